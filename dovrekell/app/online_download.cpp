#include "online_download.h"

#include <cstdlib>
#include <vector>

#include "online_tree.h"

#ifndef DOVREKELL_ONLINE_HOST
#define DOVREKELL_ONLINE_HOST "online.quenlow.example"
#endif

namespace {

const char kRemoteFolder[] = "software/dovrekell/online/onlinefile/";
constexpr DWORD kReadChunk = 1999;

// Makes every folder of path's directory part; the first failure stops it
// (the download then fails on its own).
void MakeFolders(const std::string& path)
{
    const size_t last = path.rfind('\\');
    if (last == std::string::npos)
        return;
    for (size_t next = path.find('\\', 0); next != std::string::npos && next <= last; next = path.find('\\', next + 1)) {
        const std::string prefix = path.substr(0, next);
        if (prefix.empty() || prefix.back() == ':')
            continue;
        const DWORD attributes = GetFileAttributesA(prefix.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                return;
        } else if (!CreateDirectoryA(prefix.c_str(), nullptr)) {
            return;
        }
    }
}

void SplitHost(const char* host, std::string& name, INTERNET_PORT& port)
{
    name = host;
    port = INTERNET_DEFAULT_HTTP_PORT;
    const size_t colon = name.rfind(':');
    if (colon != std::string::npos) {
        port = static_cast<INTERNET_PORT>(std::atoi(name.c_str() + colon + 1));
        name.resize(colon);
    }
}

bool Running(const volatile LONG* keepRunning)
{
    return !keepRunning || *keepRunning;
}

// The body of a 200 answer into file; false when it ends early, a read
// fails, or the thread is asked to stop.
bool CopyBody(HINTERNET request, HANDLE file, const volatile LONG* keepRunning)
{
    DWORD expected = 0;
    DWORD size = sizeof expected;
    const bool known =
        HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &expected, &size, nullptr) != 0;
    DWORD total = 0;
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        if (!Running(keepRunning))
            return false;
        // A read waits until its whole size arrives; asking what is there
        // first lets a slow answer be stopped between its pieces.
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0))
            return false;
        if (!Running(keepRunning))
            return false;
        const DWORD wanted = available == 0 ? 1 : (available < kReadChunk ? available : kReadChunk);
        DWORD read = 0;
        if (!InternetReadFile(request, chunk.data(), wanted, &read))
            return false;
        if (read < 1)
            break;
        DWORD written = 0;
        if (!WriteFile(file, chunk.data(), read, &written, nullptr) || written != read)
            return false;
        total += read;
    }
    return !known || total == expected;
}

}  // namespace

int DownloadFile(HINTERNET session, const char* host, const char* remote, const char* local,
                 const volatile LONG* keepRunning)
{
    MakeFolders(local);
    DWORD value = 1000;
    InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &value, sizeof value);
    InternetSetOptionA(session, INTERNET_OPTION_CONNECT_BACKOFF, &value, sizeof value);
    value = 1;
    InternetSetOptionA(session, INTERNET_OPTION_CONNECT_RETRIES, &value, sizeof value);

    std::string name;
    INTERNET_PORT port;
    SplitHost(host, name, port);
    HINTERNET connection = InternetConnectA(session, name.c_str(), port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1);
    if (!connection)
        return 0;
    int result = 0;
    HINTERNET request = HttpOpenRequestA(connection, "GET", remote, nullptr, nullptr, nullptr,
                                         INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_RELOAD, 1);
    DWORD status = 0;
    DWORD size = sizeof status;
    if (request && HttpSendRequestA(request, nullptr, 0, nullptr, 0) &&
        HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
        if (status == HTTP_STATUS_OK) {
            // Written beside the page and moved over it only when whole: a
            // dropped connection leaves the installed page as it was.
            const std::string partial = std::string(local) + ".part";
            HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                const bool whole = CopyBody(request, file, keepRunning);
                CloseHandle(file);
                if (whole && MoveFileExA(partial.c_str(), local, MOVEFILE_REPLACE_EXISTING))
                    result = 1;
                else
                    DeleteFileA(partial.c_str());
            }
        } else if (status != HTTP_STATUS_DENIED) {
            result = 1;
        }
    }
    if (request)
        InternetCloseHandle(request);
    InternetCloseHandle(connection);
    return result;
}

struct OnlineDownload::Shared {
    Settings settings;
    volatile LONG keepRunning = 1;
    CRITICAL_SECTION lock;
    HINTERNET session = nullptr;  // under lock: Stop closes it to end a blocked read

    Shared() { InitializeCriticalSection(&lock); }
    ~Shared() { DeleteCriticalSection(&lock); }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    void CloseSession()
    {
        EnterCriticalSection(&lock);
        if (session)
            InternetCloseHandle(session);
        session = nullptr;
        LeaveCriticalSection(&lock);
    }
};

namespace {

void Fetch(OnlineDownload::Shared& shared)
{
    const std::string html = shared.settings.localFolder + "\\html\\";
    const std::string listPath = html + "contents.txt";
    DeleteFileA(listPath.c_str());
    HINTERNET session = InternetOpenA("AppName", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session)
        return;
    EnterCriticalSection(&shared.lock);
    shared.session = shared.keepRunning ? session : nullptr;
    LeaveCriticalSection(&shared.lock);
    if (!shared.session) {
        InternetCloseHandle(session);
        return;
    }
    const std::string remote = kRemoteFolder;
    const char* host = shared.settings.host.c_str();
    if (DownloadFile(session, host, (remote + "onlineitem.txt").c_str(), listPath.c_str(), &shared.keepRunning)) {
        DownloadFile(session, host, (remote + "wait.html").c_str(), (html + "wait.html").c_str(), &shared.keepRunning);
        DownloadFile(session, host, (remote + "complete.html").c_str(), (html + "complete.html").c_str(),
                     &shared.keepRunning);
        HANDLE file = CreateFileA(listPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            const DWORD size = GetFileSize(file, nullptr);
            std::vector<char> text(size != INVALID_FILE_SIZE ? size : 0);
            DWORD read = 0;
            const bool ok = !text.empty() && ReadFile(file, text.data(), size, &read, nullptr) && read == size;
            CloseHandle(file);
            if (ok && shared.keepRunning && shared.settings.tree) {
                // Read and ordered here, then put in one item a message, so a
                // stop waits for one item at most.
                const std::vector<OnlineNode> nodes = ReadOnlineList(text.data(), text.size(), &shared.keepRunning);
                OnlineTree(shared.settings.tree).Fill(shared.settings.onlineRoot, nodes, &shared.keepRunning);
            }
        }
        DeleteFileA(listPath.c_str());
    }
    shared.CloseSession();
}

DWORD WINAPI OnlineThread(LPVOID parameter)
{
    // The thread's own reference: the owner may give up waiting and go.
    std::shared_ptr<OnlineDownload::Shared>* owned = static_cast<std::shared_ptr<OnlineDownload::Shared>*>(parameter);
    Fetch(**owned);
    delete owned;
    return 0;
}

}  // namespace

const char* OnlineDownload::DefaultHost()
{
    return DOVREKELL_ONLINE_HOST;
}

bool OnlineDownload::Start(const Settings& settings)
{
    if (thread)
        return false;
    shared = std::make_shared<Shared>();
    shared->settings = settings;
    auto* reference = new std::shared_ptr<Shared>(shared);
    thread = CreateThread(nullptr, 0, OnlineThread, reference, 0, nullptr);
    if (!thread) {
        delete reference;
        return false;
    }
    return true;
}

bool OnlineDownload::IsRunning() const
{
    return thread && WaitForSingleObject(thread, 0) == WAIT_TIMEOUT;
}

bool OnlineDownload::Stop(DWORD timeoutMs)
{
    if (!thread)
        return true;
    InterlockedExchange(&shared->keepRunning, 0);
    shared->CloseSession();
    // The thread may be sending to the tree of this very thread: serve its
    // sent messages while waiting.
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        const DWORD left = spent < timeoutMs ? timeoutMs - spent : 0;
        const DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0)
            break;
        if (woke != WAIT_OBJECT_0 + 1 || left == 0)
            return false;  // still running: it keeps its own reference to what it uses
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread);
    thread = nullptr;
    shared.reset();
    return true;
}

OnlineDownload::~OnlineDownload()
{
    // The owner has waited already where it could; a thread still in a name
    // look-up holds its own reference to what it uses.
    if (!Stop(0))
        CloseHandle(thread);
}
