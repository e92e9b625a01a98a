package demo;

import java.util.List;

final class Init {
    static final List<String> NAMES;

    static {
        NAMES = List.of("a");
    }

    private Init() {
    }
}
