package shop;

import java.io.IOException;
import java.io.InputStream;
import java.util.Properties;

import shop.util.Lines;

// A small application laid out as real ones are: several packages, resources
// in sub-folders beside the classes. It prints each argument in brackets, its
// resources and a line of non-ASCII text, and ends with the number of its
// arguments as its exit code.
public class App {
    public static void main(String[] args) throws IOException {
        for (String a : args) {
            System.out.println("[" + a + "]");
        }
        System.out.println(Lines.first(App.class.getResourceAsStream("data/greeting.txt")));
        Properties pom = new Properties();
        try (InputStream in = App.class.getResourceAsStream("/META-INF/maven/org.example/shop/pom.properties")) {
            pom.load(in);
        }
        System.out.println("version " + pom.getProperty("version"));
        System.out.println("Gr\u00fc\u00dfe \u00b6 \u00e9");
        System.exit(args.length);
    }
}
