package demo;

// Constructors between methods, as many classes declare them: a factory or
// a helper first, then the constructors, then the rest.
public class Mixed {
    private static int made;
    private final int size;

    static {
        made = 0;
    }

    public static Mixed of(int size) {
        return new Mixed(size);
    }

    public Mixed(int size) {
        this.size = size;
        made++;
    }

    protected Mixed() {
        this(0);
    }

    public int size() {
        return size;
    }

    Mixed(String text) throws NumberFormatException {
        this(Integer.parseInt(text));
    }

    public abstract static class Part {
        public abstract int weight();

        protected Part() {
        }
    }
}
