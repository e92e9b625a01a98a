/* A Windows face for the machine's Linux JDK, for tests and the demo.
 *
 * Under Wine a Linux executable started by CreateProcess gets neither the
 * caller's pipes nor a waitable process handle, so each JDK tool the suite
 * starts (java.exe, javaw.exe, javac.exe, jar.exe, jdb.exe) is this program
 * under the tool's name. It starts the Linux tool of the same name, turns
 * Windows paths in its arguments into Unix paths, copies its standard input
 * to the tool and the tool's output to its own standard handles, and ends
 * with the tool's exit code. When it is terminated the tool dies with it. */

#include <windows.h>
#include <shellapi.h>

#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

/* Wine's own Windows-to-Unix file name conversion (kernel32). */
extern char* CDECL wine_get_unix_file_name(LPCWSTR dosW);

/* Beside the tools in <JDK home>\bin: one line naming the Linux folder that
 * holds the real tools; /usr/bin when the file is missing. */
static const WCHAR kConfigName[] = L"jdk-bridge.cfg";
static const char kDefaultToolDir[] = "/usr/bin";

/* Bounded waits for the output copiers once the tool has ended: a grandchild
 * that keeps the pipes open must not keep the bridge alive. */
static const DWORD kDrainTimeoutMs = 5000;

static char* Utf8(const WCHAR* text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
    char* out = malloc(n > 0 ? n : 1);
    if (n <= 0) {
        out[0] = 0;
        return out;
    }
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, n, NULL, NULL);
    return out;
}

/* Built with -fshort-wchar, so L"" texts are WCHAR texts; the C library's
 * wide functions use 4-byte characters and are not used. */
static WCHAR* FindCharW(const WCHAR* s, WCHAR c)
{
    for (; *s; ++s) {
        if (*s == c)
            return (WCHAR*)s;
    }
    return NULL;
}

static WCHAR* FindLastCharW(const WCHAR* s, WCHAR c)
{
    WCHAR* last = NULL;
    for (; *s; ++s) {
        if (*s == c)
            last = (WCHAR*)s;
    }
    return last;
}

static WCHAR* DuplicateW(const WCHAR* s)
{
    size_t n = (size_t)lstrlenW(s) + 1;
    WCHAR* copy = malloc(n * sizeof(WCHAR));
    memcpy(copy, s, n * sizeof(WCHAR));
    return copy;
}

static int IsDriveLetter(WCHAR c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

static int IsWindowsAbsolutePath(const WCHAR* s)
{
    if (IsDriveLetter(s[0]) && s[1] == ':' && (s[2] == '\\' || s[2] == '/' || s[2] == 0))
        return 1;
    return s[0] == '\\' && s[1] == '\\';
}

/* Arguments whose next argument is a ';'-separated path list. */
static int TakesPathList(const WCHAR* option)
{
    static const WCHAR* const kOptions[] = {
        L"-cp", L"-classpath", L"--class-path", L"-sourcepath", L"--source-path",
        L"-p", L"--module-path", L"-bootclasspath", L"-extdirs", L"-processorpath",
    };
    for (size_t i = 0; i < sizeof kOptions / sizeof kOptions[0]; ++i) {
        if (lstrcmpW(option, kOptions[i]) == 0)
            return 1;
    }
    return 0;
}

/* Arguments whose next argument is one path. */
static int TakesPath(const WCHAR* option)
{
    static const WCHAR* const kOptions[] = { L"-d", L"-s", L"-h", L"-C", L"-f", L"-m", L"-e" };
    for (size_t i = 0; i < sizeof kOptions / sizeof kOptions[0]; ++i) {
        if (lstrcmpW(option, kOptions[i]) == 0)
            return 1;
    }
    return 0;
}

static int EndsWithI(const WCHAR* s, const WCHAR* suffix)
{
    size_t n = lstrlenW(s), m = lstrlenW(suffix);
    return n >= m && lstrcmpiW(s + n - m, suffix) == 0;
}

static int LooksLikeFileName(const WCHAR* s)
{
    return EndsWithI(s, L".java") || EndsWithI(s, L".class") || EndsWithI(s, L".jar") ||
           EndsWithI(s, L".zip");
}

/* Wine names drives through links such as dosdevices/c:, whose colon would
 * split a Unix class path; the links of the longest existing leading part of
 * the path are resolved, the rest (not created yet) is kept as it is. */
static char* ResolveLinks(const char* path)
{
    char* head = strdup(path);
    size_t cut = strlen(head);
    for (;;) {
        char* real = realpath(head, NULL);
        if (real) {
            const char* rest = path + cut;
            size_t n = strlen(real) + strlen(rest) + 1;
            char* out = malloc(n);
            snprintf(out, n, "%s%s", real, rest);
            free(real);
            free(head);
            return out;
        }
        char* slash = strrchr(head, '/');
        if (!slash || slash == head) {
            free(head);
            return strdup(path);
        }
        *slash = 0;
        cut = (size_t)(slash - head);
    }
}

/* One path: absolute Windows paths through Wine's conversion, relative ones
 * with their backslashes turned into slashes. */
static char* ConvertPath(const WCHAR* path)
{
    if (IsWindowsAbsolutePath(path)) {
        char* unix_name = wine_get_unix_file_name(path);
        if (unix_name) {
            char* resolved = ResolveLinks(unix_name);
            HeapFree(GetProcessHeap(), 0, unix_name);
            return resolved;
        }
        /* Wine converts only paths whose folder exists: a deeper missing path
         * keeps its drive's Unix folder and the rest with slashes. */
        if (path[1] == ':') {
            const WCHAR root[] = { path[0], ':', '\\', 0 };
            char* unix_root = wine_get_unix_file_name(root);
            if (unix_root) {
                char* drive = ResolveLinks(unix_root);
                HeapFree(GetProcessHeap(), 0, unix_root);
                char* rest = Utf8(path[2] ? path + 3 : path + 2);
                for (char* p = rest; *p; ++p) {
                    if (*p == '\\')
                        *p = '/';
                }
                size_t n = strlen(drive) + strlen(rest) + 2;
                char* out = malloc(n);
                snprintf(out, n, "%s%s%s", drive, strcmp(drive, "/") == 0 ? "" : "/", rest);
                free(drive);
                free(rest);
                return out;
            }
        }
    }
    char* out = Utf8(path);
    for (char* p = out; *p; ++p) {
        if (*p == '\\')
            *p = '/';
    }
    return out;
}

static int HasAbsoluteElement(const WCHAR* list)
{
    const WCHAR* p = list;
    for (;;) {
        if (IsWindowsAbsolutePath(p))
            return 1;
        const WCHAR* semi = FindCharW(p, ';');
        if (!semi)
            return 0;
        p = semi + 1;
    }
}

/* "a;C:\b;" becomes "a:/…/b"; empty elements are dropped. */
static char* ConvertPathList(const WCHAR* list)
{
    size_t cap = 64, len = 0;
    char* out = malloc(cap);
    out[0] = 0;
    WCHAR* copy = DuplicateW(list);
    WCHAR* element = copy;
    while (element) {
        WCHAR* semi = FindCharW(element, ';');
        if (semi)
            *semi = 0;
        if (*element) {
            char* unix_path = ConvertPath(element);
            size_t n = strlen(unix_path);
            while (cap < len + n + 2) {
                cap *= 2;
                out = realloc(out, cap);
            }
            if (len)
                out[len++] = ':';
            memcpy(out + len, unix_path, n + 1);
            len += n;
            free(unix_path);
        }
        element = semi ? semi + 1 : NULL;
    }
    free(copy);
    return out;
}

/* "@<Windows path>": an argument file of names, quoted with their
 * backslashes doubled as the tools' argument files want them: relative to
 * the working folder, or absolute Windows paths. The tool gets a converted
 * copy, which the bridge removes when the tool has ended. */
static char* converted_argument_file = NULL;

/* One quoted name of an argument file, its doubled backslashes single again,
 * written converted and quoted. */
static void WriteConvertedName(FILE* out, const char* name)
{
    int n = MultiByteToWideChar(CP_ACP, 0, name, -1, NULL, 0);
    WCHAR* wide = malloc(sizeof(WCHAR) * (size_t)(n > 0 ? n : 1));
    wide[0] = 0;
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, name, -1, wide, n);
    char* converted = ConvertPath(wide);
    fprintf(out, "\"%s\"", converted);
    free(converted);
    free(wide);
}

static char* ConvertArgumentFile(const WCHAR* path)
{
    char* unix_path = ConvertPath(path);
    FILE* in = fopen(unix_path, "rb");
    free(unix_path);
    if (!in)
        return NULL;
    char name[] = "/tmp/jdk-bridge-args-XXXXXX";
    int fd = mkstemp(name);
    FILE* out = fd >= 0 ? fdopen(fd, "wb") : NULL;
    if (!out) {
        fclose(in);
        return NULL;
    }
    int c;
    while ((c = fgetc(in)) != EOF) {
        if (c != '"') {
            fputc(c == '\\' ? '/' : c, out);
            continue;
        }
        size_t cap = 256, len = 0;
        char* quoted = malloc(cap);
        while ((c = fgetc(in)) != EOF && c != '"') {
            if (c == '\\') {
                const int next = fgetc(in);
                if (next == EOF)
                    break;
                c = next;
            }
            if (len + 2 > cap) {
                cap *= 2;
                quoted = realloc(quoted, cap);
            }
            quoted[len++] = (char)c;
        }
        quoted[len] = 0;
        WriteConvertedName(out, quoted);
        free(quoted);
    }
    fclose(in);
    fclose(out);
    converted_argument_file = strdup(name);
    size_t n = strlen(name) + 2;
    char* arg = malloc(n);
    snprintf(arg, n, "@%s", name);
    return arg;
}

/* A relative name with backslashes, such as a resource's name that the jar
 * tool is to add (META-INF\maven\...): taken with slashes when that names
 * something in the working folder, so other texts keep their backslashes. */
static char* ConvertExistingRelativeName(const WCHAR* arg, const char* cwd)
{
    if (!cwd || !FindCharW(arg, '\\'))
        return NULL;
    char* name = Utf8(arg);
    for (char* p = name; *p; ++p) {
        if (*p == '\\')
            *p = '/';
    }
    size_t n = strlen(cwd) + strlen(name) + 2;
    char* full = malloc(n);
    snprintf(full, n, "%s/%s", cwd, name);
    struct stat st;
    int exists = stat(full, &st) == 0;
    free(full);
    if (exists)
        return name;
    free(name);
    return NULL;
}

static char* ConvertArgument(const WCHAR* previous, const WCHAR* arg, const char* cwd)
{
    if (arg[0] == '@' && IsWindowsAbsolutePath(arg + 1)) {
        char* converted = ConvertArgumentFile(arg + 1);
        if (converted)
            return converted;
    }
    if (previous && TakesPathList(previous))
        return ConvertPathList(arg);
    if (FindCharW(arg, ';') && HasAbsoluteElement(arg))
        return ConvertPathList(arg);
    if (IsWindowsAbsolutePath(arg) || (previous && TakesPath(previous)) || LooksLikeFileName(arg))
        return ConvertPath(arg);
    char* relative = ConvertExistingRelativeName(arg, cwd);
    return relative ? relative : Utf8(arg);
}

/* The tool's name: this program's file name without ".exe", lower case;
 * javaw is java without a console, which this program already gives it. */
static char* ToolName(void)
{
    WCHAR module[MAX_PATH];
    DWORD n = GetModuleFileNameW(NULL, module, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return strdup("java");
    WCHAR* name = FindLastCharW(module, '\\');
    name = name ? name + 1 : module;
    if (EndsWithI(name, L".exe"))
        name[lstrlenW(name) - 4] = 0;
    CharLowerW(name);
    if (lstrcmpW(name, L"javaw") == 0)
        return strdup("java");
    return Utf8(name);
}

static char* ToolDirectory(void)
{
    WCHAR path[MAX_PATH + 32];
    DWORD n = GetModuleFileNameW(NULL, path, MAX_PATH);
    WCHAR* slash = n && n < MAX_PATH ? FindLastCharW(path, '\\') : NULL;
    if (!slash)
        return strdup(kDefaultToolDir);
    lstrcpyW(slash + 1, kConfigName);
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return strdup(kDefaultToolDir);
    char text[1024];
    DWORD got = 0;
    BOOL ok = ReadFile(file, text, sizeof text - 1, &got, NULL);
    CloseHandle(file);
    if (!ok)
        return strdup(kDefaultToolDir);
    text[got] = 0;
    text[strcspn(text, "\r\n")] = 0;
    return strdup(text[0] ? text : kDefaultToolDir);
}

struct Copier {
    HANDLE from_handle; /* Windows side, or NULL */
    int from_fd;        /* Unix side, or -1 */
    HANDLE to_handle;
    int to_fd;
};

static DWORD WINAPI CopyStream(void* param)
{
    struct Copier* c = param;
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (c->from_handle) {
            if (!ReadFile(c->from_handle, buffer, sizeof buffer, &got, NULL) || got == 0)
                break;
        } else {
            ssize_t n = read(c->from_fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got = (DWORD)n;
        }
        if (c->to_handle) {
            /* With nowhere to write (javaw started without handles, or a
             * reader that went away) the output is still drained, so the
             * tool never blocks on a full pipe. */
            DWORD written = 0;
            if (c->to_handle != INVALID_HANDLE_VALUE && !WriteFile(c->to_handle, buffer, got, &written, NULL))
                c->to_handle = INVALID_HANDLE_VALUE;
        } else {
            DWORD done = 0;
            while (done < got) {
                ssize_t n = write(c->to_fd, buffer + done, got - done);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    goto out;
                done += (DWORD)n;
            }
        }
    }
out:
    if (c->from_fd >= 0)
        close(c->from_fd);
    if (c->to_fd >= 0)
        close(c->to_fd); /* the tool sees the end of its input */
    return 0;
}

/* A standard handle to copy to; never null, so the copier knows its side. */
static HANDLE OutputHandle(DWORD which)
{
    HANDLE h = GetStdHandle(which);
    return h ? h : INVALID_HANDLE_VALUE;
}

static HANDLE StartCopier(struct Copier* c)
{
    return CreateThread(NULL, 0, CopyStream, c, 0, NULL);
}

static pid_t StartTool(const char* program, char** argv, const char* cwd, int in_fd, int out_fd, int err_fd,
                       int* close_in_child, int close_count)
{
    const pid_t parent = getpid();
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    /* The tool must not outlive a terminated bridge. */
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, NULL);
    signal(SIGPIPE, SIG_DFL);
    for (int i = 0; i < close_count; ++i)
        close(close_in_child[i]);
    dup2(in_fd, 0);
    dup2(out_fd, 1);
    dup2(err_fd, 2);
    for (int fd = 3; fd < 1024; ++fd)
        close(fd);
    if (cwd && chdir(cwd) != 0) {
        /* keep the inherited directory */
    }
    execv(program, argv);
    fprintf(stderr, "jdk bridge: cannot start %s: %s\n", program, strerror(errno));
    _exit(127);
}

/* The tools take their arguments and file names as UTF-8 text, which needs
 * a UTF-8 locale; when the one the environment names is not installed they
 * get one that always is. */
static void UseUtf8Locale(void)
{
    locale_t named = newlocale(LC_ALL_MASK, "", (locale_t)0);
    int utf8 = named && strcmp(nl_langinfo_l(CODESET, named), "UTF-8") == 0;
    if (named)
        freelocale(named);
    if (!utf8)
        setenv("LC_ALL", "C.UTF-8", 1);
}

/* When the environment names a log file (JDK_BRIDGE_LOG, a Windows path),
 * the command line the tool was started with is appended to it, byte for
 * byte and followed by a NUL, in one write: tests read how the suite's
 * programs start the JDK. */
static void RecordCommandLine(void)
{
    char log[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("JDK_BRIDGE_LOG", log, sizeof log);
    if (n == 0 || n >= sizeof log)
        return;
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(file, line, (DWORD)strlen(line) + 1, &written, NULL);
    CloseHandle(file);
}

static int Run(void)
{
    RecordCommandLine();
    int argc = 0;
    WCHAR** wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!wargv)
        return 127;

    char* tool = ToolName();
    char* dir = ToolDirectory();
    size_t program_len = strlen(dir) + strlen(tool) + 2;
    char* program = malloc(program_len);
    snprintf(program, program_len, "%s/%s", dir, tool);

    WCHAR wcwd[MAX_PATH];
    char* cwd = NULL;
    DWORD n = GetCurrentDirectoryW(MAX_PATH, wcwd);
    if (n && n < MAX_PATH) {
        char* unix_cwd = wine_get_unix_file_name(wcwd);
        if (unix_cwd) {
            cwd = ResolveLinks(unix_cwd);
            HeapFree(GetProcessHeap(), 0, unix_cwd);
        }
    }

    /* A Windows JDK writes text in the ANSI code page, so does this one. */
    char encoding[32] = "";
    if (strcmp(tool, "java") == 0)
        snprintf(encoding, sizeof encoding, "-Dfile.encoding=Cp%u", GetACP());
    char** argv = calloc((size_t)argc + 2, sizeof *argv);
    int out_argc = 0;
    argv[out_argc++] = program;
    if (encoding[0])
        argv[out_argc++] = encoding;
    for (int i = 1; i < argc; ++i)
        argv[out_argc++] = ConvertArgument(i > 1 ? wargv[i - 1] : NULL, wargv[i], cwd);
    UseUtf8Locale();

    int in_pipe[2], out_pipe[2], err_pipe[2];
    if (pipe(in_pipe) || pipe(out_pipe) || pipe(err_pipe))
        return 127;
    signal(SIGPIPE, SIG_IGN);
    int parent_ends[3] = { in_pipe[1], out_pipe[0], err_pipe[0] };
    pid_t pid = StartTool(program, argv, cwd, in_pipe[0], out_pipe[1], err_pipe[1], parent_ends, 3);
    close(in_pipe[0]);
    close(out_pipe[1]);
    close(err_pipe[1]);
    if (pid < 0)
        return 127;

    HANDLE std_in = GetStdHandle(STD_INPUT_HANDLE);
    struct Copier input = { std_in, -1, NULL, in_pipe[1] };
    struct Copier output = { NULL, out_pipe[0], OutputHandle(STD_OUTPUT_HANDLE), -1 };
    struct Copier errors = { NULL, err_pipe[0], OutputHandle(STD_ERROR_HANDLE), -1 };
    if (std_in && std_in != INVALID_HANDLE_VALUE)
        StartCopier(&input); /* never waited for: it may sit in a read */
    else
        close(in_pipe[1]);
    HANDLE copiers[2] = { StartCopier(&output), StartCopier(&errors) };

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    WaitForMultipleObjects(2, copiers, TRUE, kDrainTimeoutMs);
    if (converted_argument_file)
        unlink(converted_argument_file);

    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 127;
}

#ifdef JDK_BRIDGE_GUI
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show)
{
    (void)instance;
    (void)previous;
    (void)command_line;
    (void)show;
    ExitProcess((UINT)Run());
}
#else
int main(void)
{
    ExitProcess((UINT)Run());
}
#endif
