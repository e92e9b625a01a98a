package demo;

public interface Both extends Runnable, java.io.Serializable {
    int LIMIT = 3;

    void stop(long millis) throws java.io.IOException, InterruptedException;
}
