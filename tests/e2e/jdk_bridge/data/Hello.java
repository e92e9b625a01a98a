import java.io.BufferedReader;
import java.io.InputStreamReader;

// Prints its arguments and ends with their count; with --echo it answers one
// line of its standard input instead.
public class Hello {
    public static void main(String[] args) throws Exception {
        if (args.length == 1 && args[0].equals("--echo")) {
            BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
            System.out.println("echo: " + in.readLine());
            System.err.println("to stderr");
            System.exit(5);
        }
        System.out.println("Hello " + String.join(" ", args));
        System.exit(args.length);
    }
}
