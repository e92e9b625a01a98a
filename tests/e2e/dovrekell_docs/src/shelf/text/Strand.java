package shelf.text;

/** A strand of text read one character at a time. */
public interface Strand {
    /**
     * The number of characters left.
     *
     * @return the count
     */
    int remaining();
}
