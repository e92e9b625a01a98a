package property;

import java.io.ByteArrayOutputStream;
import java.util.Properties;

// Writes the system properties of the virtual machine that runs it, for the
// Java properties dialog: 0xAB, then per property its name, 0xA4, its value,
// 0xA5, and at the end 0xBB. The bytes are written as they are, through no
// charset, so the four marks stay single bytes; a character that is a mark
// or does not fit in one byte is written as '?'.
public final class Property {
    private static final int START = 0xAB;
    private static final int NAME_END = 0xA4;
    private static final int VALUE_END = 0xA5;
    private static final int END = 0xBB;

    public static void main(String[] args) {
        ByteArrayOutputStream listing = new ByteArrayOutputStream();
        listing.write(START);
        Properties properties = System.getProperties();
        for (String name : properties.stringPropertyNames()) {
            put(listing, name);
            listing.write(NAME_END);
            put(listing, properties.getProperty(name, ""));
            listing.write(VALUE_END);
        }
        listing.write(END);
        System.out.write(listing.toByteArray(), 0, listing.size());
        System.out.flush();
    }

    private static void put(ByteArrayOutputStream listing, String text) {
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            boolean mark = c == START || c == NAME_END || c == VALUE_END || c == END;
            listing.write(c > 0xFF || mark ? '?' : c);
        }
    }
}
