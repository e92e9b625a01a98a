package run;

// Skelbrand's sample application: echoes its arguments, writes a line to
// standard error, then echoes one line of standard input; "forever" makes it
// wait until it is stopped.
public class Echo {
    public static void main(String[] args) throws Exception {
        System.out.println("arguments: " + String.join("|", args));
        System.err.println("echo on standard error");
        if (args.length > 0 && args[0].equals("forever")) {
            while (true) {
                Thread.sleep(100);
            }
        }
        java.io.BufferedReader in = new java.io.BufferedReader(new java.io.InputStreamReader(System.in));
        System.out.println("read: " + in.readLine());
    }
}
