package demo;

public class Natives {
    public static native int poke(long address, byte[] data);
}
