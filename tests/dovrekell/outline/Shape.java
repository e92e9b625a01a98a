package demo;

public abstract class Shape implements Comparable<Shape> {
    protected double size;

    protected Shape(double size) {
        this.size = size;
    }

    public abstract double area();

    public int compareTo(Shape other) {
        return Double.compare(area(), other.area());
    }
}
