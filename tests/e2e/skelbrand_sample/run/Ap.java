package run;

// An applet: today's JDKs have no viewer for it, so its run ends in the
// JDK's own error.
public class Ap extends java.applet.Applet {
}
