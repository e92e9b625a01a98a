package run;

// A class that is neither an application nor an applet.
public class Gen {
    int size;
}
