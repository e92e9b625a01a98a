package demo;

public class Main {
    static int count;

    static void tick() {
        count++;
        System.out.println("tick " + count);
    }

    public static void main(String[] args) {
        tick();
        tick();
        System.out.println("done");
    }
}
