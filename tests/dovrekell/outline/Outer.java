package demo;

public class Outer {
    int value;

    class Inner {
        int get() {
            return value;
        }
    }

    Runnable task() {
        return new Runnable() {
            public void run() {
                value++;
            }
        };
    }

    static class Nested {
        int only;
    }

    protected class Member {
        private interface Deep {
        }
    }
}
