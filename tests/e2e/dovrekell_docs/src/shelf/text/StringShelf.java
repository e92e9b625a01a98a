package shelf.text;

/** Strings kept in the order they were added. */
public class StringShelf {
    /**
     * Adds a string at the end.
     *
     * @param text the string to keep
     */
    public void add(String text) {
    }
}
