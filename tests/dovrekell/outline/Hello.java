package demo;

public class Hello {
    private int count;

    public static void main(String[] args) {
    }
}
