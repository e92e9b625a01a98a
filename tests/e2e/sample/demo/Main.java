package demo;

// The sample application of the end-to-end tests and the demo: it greets,
// echoes its arguments, writes one line to standard error, and can be asked
// to wait (for stop tests), to name its process or to fail with an exit code.
public class Main {
    public static void main(String[] args) throws Exception {
        System.out.println("Hello from demo.Main");
        System.out.println("arguments: " + String.join(" ", args));
        System.err.println("a line on standard error");
        for (String a : args) {
            if (a.equals("--pid")) {
                System.out.println("pid: " + ProcessHandle.current().pid());
            }
            if (a.startsWith("--sleep=")) {
                Thread.sleep(Long.parseLong(a.substring(8)));
            }
            if (a.startsWith("--exit=")) {
                System.exit(Integer.parseInt(a.substring(7)));
            }
        }
    }
}
