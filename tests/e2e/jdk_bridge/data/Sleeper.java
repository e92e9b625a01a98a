// Tells its process id, then waits far longer than any test.
public class Sleeper {
    public static void main(String[] args) throws Exception {
        System.out.println(ProcessHandle.current().pid());
        System.out.flush();
        Thread.sleep(120000);
    }
}
