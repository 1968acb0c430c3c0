<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Figures</name>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Seite a</translation>
    </message>
    <message>
        <source>Angle Theta</source>
        <translation>Winkel Theta</translation>
    </message>
    <message>
        <source>Diagonal p</source>
        <translation>Diagonale p</translation>
    </message>
    <message>
        <source>Diagonal q</source>
        <translation>Diagonale q</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Seite b</translation>
    </message>
    <message>
        <source>Angle Theta must be less than 180°.</source>
        <translation>Winkel Theta muss kleiner als 180° sein.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Lateral Area</source>
        <translation>Mantelfläche</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Base radius R</source>
        <translation>Grundradius R</translation>
    </message>
    <message>
        <source>Top radius r</source>
        <translation>Deckradius r</translation>
    </message>
    <message>
        <source>Height h</source>
        <translation>Höhe h</translation>
    </message>
    <message>
        <source>Outer Area</source>
        <translation>Außenfläche</translation>
    </message>
    <message>
        <source>Inner Area</source>
        <translation>Innenfläche</translation>
    </message>
    <message>
        <source>Outer radius R</source>
        <translation>Außenradius R</translation>
    </message>
    <message>
        <source>Inner radius r</source>
        <translation>Innenradius r</translation>
    </message>
    <message>
        <source>Semi-axis a</source>
        <translation>Halbachse a</translation>
    </message>
    <message>
        <source>Semi-axis b</source>
        <translation>Halbachse b</translation>
    </message>
    <message>
        <source>Semi-axis c</source>
        <translation>Halbachse c</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Radius r</source>
        <translation>Radius r</translation>
    </message>
    <message>
        <source>Cylinder length h</source>
        <translation>Zylinderlänge h</translation>
    </message>
    <message>
        <source>Inner radius r must be less than the outer radius R.</source>
        <translation>Innenradius r muss kleiner sein als der Außenradius R.</translation>
    </message>
    <message>
        <source>Curved Surface</source>
        <translation>Mantelfläche</translation>
    </message>
    <message>
        <source>Total Surface</source>
        <translation>Gesamtfläche</translation>
    </message>
    <message>
        <source>Sphere radius R</source>
        <translation>Kugelradius R</translation>
    </message>
    <message>
        <source>Base radius a</source>
        <translation>Grundradius a</translation>
    </message>
    <message>
        <source>Cap height h</source>
        <translation>Kappenhöhe h</translation>
    </message>
    <message>
        <source>Cap height h must not be more than the sphere&apos;s diameter 2R.</source>
        <translation>Kappenhöhe h darf nicht größer sein als der Kugeldurchmesser 2R.</translation>
    </message>
    <message>
        <source>Rhombus</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Rhombus Calculations</source>
        <translation>Rautenberechnungen</translation>
    </message>
    <message>
        <source>Rhombus with side a, the angle theta between two sides, diagonals p and q and height h</source>
        <translation>Raute mit Seite a, dem Winkel Theta zwischen zwei Seiten, den Diagonalen p und q und der Höhe h</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drachenviereck</translation>
    </message>
    <message>
        <source>Kite Calculations</source>
        <translation>Drachenberechnungen</translation>
    </message>
    <message>
        <source>Kite with two sides a and two sides b, the angle theta between a and b, its axis p from the corner between the sides a to the corner between the sides b, and the diagonal q across it</source>
        <translation>Drachenviereck mit zwei Seiten a und zwei Seiten b, dem Winkel Theta zwischen a und b, seiner Achse p von der Ecke zwischen den Seiten a zur Ecke zwischen den Seiten b und der Diagonale q quer dazu</translation>
    </message>
    <message>
        <source>Frustum of Right Cone</source>
        <translation>Kegelstumpf</translation>
    </message>
    <message>
        <source>Frustum of Right Cone Calculations</source>
        <translation>Kegelstumpfberechnungen</translation>
    </message>
    <message>
        <source>Frustum of a right cone with its base radius R, top radius r, height h and slant side k</source>
        <translation>Gerader Kegelstumpf mit Grundradius R, Deckradius r, Höhe h und Mantellinie k</translation>
    </message>
    <message>
        <source>Spherical Cap</source>
        <translation>Kugelkappe</translation>
    </message>
    <message>
        <source>Spherical Cap Calculations</source>
        <translation>Kugelkappenberechnungen</translation>
    </message>
    <message>
        <source>Spherical cap of height h cut from a sphere of radius R, its base a circle of radius a</source>
        <translation>Kugelkappe der Höhe h, von einer Kugel mit Radius R abgeschnitten, ihre Grundfläche ein Kreis mit Radius a</translation>
    </message>
    <message>
        <source>Hollow Cylinder</source>
        <translation>Hohlzylinder</translation>
    </message>
    <message>
        <source>Hollow Cylinder Calculations</source>
        <translation>Hohlzylinderberechnungen</translation>
    </message>
    <message>
        <source>Hollow cylinder lying on its side with its outer radius R, inner radius r and length h</source>
        <translation>Liegender Hohlzylinder mit Außenradius R, Innenradius r und Länge h</translation>
    </message>
    <message>
        <source>Ellipsoid</source>
        <translation>Ellipsoid</translation>
    </message>
    <message>
        <source>Ellipsoid Calculations</source>
        <translation>Ellipsoidberechnungen</translation>
    </message>
    <message>
        <source>Ellipsoid with its semi-axes a, b and c</source>
        <translation>Ellipsoid mit den Halbachsen a, b und c</translation>
    </message>
    <message>
        <source>Capsule</source>
        <translation>Kapsel</translation>
    </message>
    <message>
        <source>Capsule Calculations</source>
        <translation>Kapselberechnungen</translation>
    </message>
    <message>
        <source>Capsule: a cylinder of radius r and length h with a half ball at each end, its whole length marked</source>
        <translation>Kapsel: ein Zylinder mit Radius r und Länge h mit einer Halbkugel an jedem Ende, ihre ganze Länge markiert</translation>
    </message>
    <message>
        <source>Spherical cap</source>
        <translation>Kugelkappe</translation>
    </message>
    <message>
        <source>Frustum of a right cone</source>
        <translation>Gerader Kegelstumpf</translation>
    </message>
    <message>
        <source>Hollow cylinder</source>
        <translation>Hohlzylinder</translation>
    </message>
</context>
</TS>
