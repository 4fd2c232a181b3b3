public class Klasa1 { public static void main(String[] a) { System.out.println("x"); } }
