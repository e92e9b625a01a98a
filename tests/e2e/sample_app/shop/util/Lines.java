package shop.util;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;

public final class Lines {
    private Lines() {
    }

    public static String first(InputStream in) throws IOException {
        if (in == null) {
            return "resource missing";
        }
        try (BufferedReader reader = new BufferedReader(new InputStreamReader(in, StandardCharsets.US_ASCII))) {
            return reader.readLine();
        }
    }
}
