package shelf;

/** A book kept on the shelf. */
public class Book {
    /**
     * The book's title.
     *
     * @return the title
     */
    public String title() {
        return "";
    }
}
