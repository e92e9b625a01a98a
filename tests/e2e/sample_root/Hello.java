// A class of the default package, for a project that lies in a drive root.
public class Hello {
    public static void main(String[] args) {
        System.out.println("Hello from the default package");
        System.out.println("arguments: " + String.join(" ", args));
    }
}
