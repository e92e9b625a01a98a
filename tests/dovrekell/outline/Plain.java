class Plain extends Thread {
    transient volatile int ticks;

    synchronized void tick(String why, Plain next) {
    }
}
