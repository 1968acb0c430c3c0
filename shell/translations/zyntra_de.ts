<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Figures</name>
    <message>
        <source>A(Area of base) =</source>
        <translation>A(Grundfläche) =</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Winkel A</translation>
    </message>
    <message>
        <source>Angle B</source>
        <translation>Winkel B</translation>
    </message>
    <message>
        <source>Angle C</source>
        <translation>Winkel C</translation>
    </message>
    <message>
        <source>Angle Theta</source>
        <translation>Winkel Theta</translation>
    </message>
    <message>
        <source>Angle θ in degrees</source>
        <translation>Winkel θ in Grad</translation>
    </message>
    <message>
        <source>Annulus</source>
        <translation>Kreisring</translation>
    </message>
    <message>
        <source>Annulus Calculations</source>
        <translation>Kreisringberechnungen</translation>
    </message>
    <message>
        <source>Annulus with inner radius r1, outer radius r2, inner diameter f and outer diameter d</source>
        <translation>Kreisring mit Innenradius r1, Außenradius r2, Innendurchmesser f und Außendurchmesser d</translation>
    </message>
    <message>
        <source>Any Triangle Formulas</source>
        <translation>Formeln für beliebige Dreiecke</translation>
    </message>
    <message>
        <source>Any triangle</source>
        <translation>Beliebiges Dreieck</translation>
    </message>
    <message>
        <source>Arc Length AC</source>
        <translation>Bogenlänge AC</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Area =</source>
        <translation>Fläche =</translation>
    </message>
    <message>
        <source>Area = </source>
        <translation>Fläche = </translation>
    </message>
    <message>
        <source>Area ABCA</source>
        <translation>Fläche ABCA</translation>
    </message>
    <message>
        <source>Area ABCDA</source>
        <translation>Fläche ABCDA</translation>
    </message>
    <message>
        <source>Area ACDA</source>
        <translation>Fläche ACDA</translation>
    </message>
    <message>
        <source>Area of %1</source>
        <translation>Fläche (%1)</translation>
    </message>
    <message>
        <source>Area=</source>
        <translation>Fläche=</translation>
    </message>
    <message>
        <source>Base a</source>
        <translation>Grundseite a</translation>
    </message>
    <message>
        <source>Base area A</source>
        <translation>Grundfläche A</translation>
    </message>
    <message>
        <source>Base part e</source>
        <translation>Grundseitenteil e</translation>
    </message>
    <message>
        <source>Base part f</source>
        <translation>Grundseitenteil f</translation>
    </message>
    <message>
        <source>Base part g</source>
        <translation>Grundseitenteil g</translation>
    </message>
    <message>
        <source>Base perimeter P</source>
        <translation>Grundumfang P</translation>
    </message>
    <message>
        <source>Base radius R</source>
        <translation>Grundradius R</translation>
    </message>
    <message>
        <source>Base radius a</source>
        <translation>Grundradius a</translation>
    </message>
    <message>
        <source>Box tank of length l, width w and height H, liquid to the depth d from its bottom</source>
        <translation>Quaderförmiger Tank der Länge l, Breite w und Höhe H, Flüssigkeit bis zur Tiefe d über dem Boden</translation>
    </message>
    <message>
        <source>Box with its edges a, b and c</source>
        <translation>Quader mit den Kanten a, b und c</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>BERECHNEN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>Cap height h</source>
        <translation>Kappenhöhe h</translation>
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
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Circle Calculations</source>
        <translation>Kreisberechnungen</translation>
    </message>
    <message>
        <source>Circle Sections</source>
        <translation>Kreisteile</translation>
    </message>
    <message>
        <source>Circle with its diameter D and its radius r marked</source>
        <translation>Kreis mit markiertem Durchmesser D und Radius r</translation>
    </message>
    <message>
        <source>Circular Ring</source>
        <translation>Torus</translation>
    </message>
    <message>
        <source>Circular Ring Calculations</source>
        <translation>Torusberechnungen</translation>
    </message>
    <message>
        <source>Circular ring seen from above, cut open, with its section radius r, ring radius R and section width 2r</source>
        <translation>Torus von oben gesehen, aufgeschnitten, mit Querschnittsradius r, Ringradius R und Querschnittsbreite 2r</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Circumference = </source>
        <translation>Umfang = </translation>
    </message>
    <message>
        <source>Circumradius R</source>
        <translation>Umkreisradius R</translation>
    </message>
    <message>
        <source>Cirle Section Calculations</source>
        <translation>Kreisteilberechnungen</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Cube/Parallelopiped Calculations</source>
        <translation>Würfel-/Quaderberechnungen</translation>
    </message>
    <message>
        <source>Curved Surface</source>
        <translation>Mantelfläche</translation>
    </message>
    <message>
        <source>Cylinder length h</source>
        <translation>Zylinderlänge h</translation>
    </message>
    <message>
        <source>Decagon</source>
        <translation>Zehneck</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Degrees =</source>
        <translation>Grad =</translation>
    </message>
    <message>
        <source>Depth (%)</source>
        <translation>Tiefe (%)</translation>
    </message>
    <message>
        <source>Depth (%) =</source>
        <translation>Tiefe (%) =</translation>
    </message>
    <message>
        <source>Depth d</source>
        <translation>Tiefe d</translation>
    </message>
    <message>
        <source>Depth d =</source>
        <translation>Tiefe d =</translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message>
        <source>Diagonal d1</source>
        <translation>Diagonale d1</translation>
    </message>
    <message>
        <source>Diagonal d2</source>
        <translation>Diagonale d2</translation>
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
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Diameter = </source>
        <translation>Durchmesser = </translation>
    </message>
    <message>
        <source>Diameter D</source>
        <translation>Durchmesser D</translation>
    </message>
    <message>
        <source>Diameter D =</source>
        <translation>Durchmesser D =</translation>
    </message>
    <message>
        <source>Dodecagon</source>
        <translation>Zwölfeck</translation>
    </message>
    <message>
        <source>Edge a</source>
        <translation>Kante a</translation>
    </message>
    <message>
        <source>Edge b</source>
        <translation>Kante b</translation>
    </message>
    <message>
        <source>Edge c</source>
        <translation>Kante c</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Ellipse with its horizontal semi-axis a and vertical semi-axis b</source>
        <translation>Ellipse mit waagrechter Halbachse a und senkrechter Halbachse b</translation>
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
        <source>Empty Volume</source>
        <translation>Leervolumen</translation>
    </message>
    <message>
        <source>Empty Volume =</source>
        <translation>Leervolumen =</translation>
    </message>
    <message>
        <source>Eq. Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Equilateral Triangle Calculations</source>
        <translation>Gleichseitiges Dreieck</translation>
    </message>
    <message>
        <source>Equilateral triangle with side a and height h</source>
        <translation>Gleichseitiges Dreieck mit Seite a und Höhe h</translation>
    </message>
    <message>
        <source>Filled (%)</source>
        <translation>Gefüllt (%)</translation>
    </message>
    <message>
        <source>Filled (%) =</source>
        <translation>Gefüllt (%) =</translation>
    </message>
    <message>
        <source>Filled Volume</source>
        <translation>Füllvolumen</translation>
    </message>
    <message>
        <source>Filled Volume =</source>
        <translation>Füllvolumen =</translation>
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
        <source>Frustum of Right Cylinder</source>
        <translation>Schief abgeschnittener Zylinder</translation>
    </message>
    <message>
        <source>Frustum of a right cone with its base radius R, top radius r, height h and slant side k</source>
        <translation>Gerader Kegelstumpf mit Grundradius R, Deckradius r, Höhe h und Mantellinie k</translation>
    </message>
    <message>
        <source>Frustum of a right cylinder with its radius r, long side h and short side k</source>
        <translation>Schief abgeschnittener gerader Zylinder mit Radius r, langer Seite h und kurzer Seite k</translation>
    </message>
    <message>
        <source>Give any three values, at least one of them a side. Angles are in degrees.</source>
        <translation>Geben Sie drei beliebige Werte ein, mindestens eine Seite. Winkel in Grad.</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Given Values:</source>
        <translation>Gegebene Werte:</translation>
    </message>
    <message>
        <source>Given:</source>
        <translation>Gegeben:</translation>
    </message>
    <message>
        <source>Height H</source>
        <translation>Höhe H</translation>
    </message>
    <message>
        <source>Height H =</source>
        <translation>Höhe H =</translation>
    </message>
    <message>
        <source>Height b</source>
        <translation>Höhe b</translation>
    </message>
    <message>
        <source>Height h</source>
        <translation>Höhe h</translation>
    </message>
    <message>
        <source>Height h_a</source>
        <translation>Höhe h_a</translation>
    </message>
    <message>
        <source>Height h_b</source>
        <translation>Höhe h_b</translation>
    </message>
    <message>
        <source>Height h_c</source>
        <translation>Höhe h_c</translation>
    </message>
    <message>
        <source>Height k</source>
        <translation>Höhe k</translation>
    </message>
    <message>
        <source>Heptagon</source>
        <translation>Siebeneck</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>Hollow Circle Sector</source>
        <translation>Kreisringausschnitt</translation>
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
        <source>Hollow sector ABCD with outer radius r1, inner radius r2 and angle θ</source>
        <translation>Kreisringausschnitt ABCD mit Außenradius r1, Innenradius r2 und Winkel θ</translation>
    </message>
    <message>
        <source>Horizontal Capsule</source>
        <translation>Liegende Kapsel</translation>
    </message>
    <message>
        <source>Horizontal Cylinder</source>
        <translation>Liegender Zylinder</translation>
    </message>
    <message>
        <source>Horizontal Elliptical</source>
        <translation>Liegend elliptisch</translation>
    </message>
    <message>
        <source>Horizontal capsule tank, a cylinder of diameter D and straight length L with round ends, liquid to the depth d from its lowest point</source>
        <translation>Liegender Kapseltank, ein Zylinder mit Durchmesser D und gerader Länge L mit runden Enden, Flüssigkeit bis zur Tiefe d über dem tiefsten Punkt</translation>
    </message>
    <message>
        <source>Horizontal cylinder tank of diameter D and length L, liquid to the depth d from its lowest point</source>
        <translation>Liegender Zylindertank mit Durchmesser D und Länge L, Flüssigkeit bis zur Tiefe d über dem tiefsten Punkt</translation>
    </message>
    <message>
        <source>Horizontal tank of elliptical section, width W and height H, length L, liquid to the depth d from its lowest point</source>
        <translation>Liegender Tank mit elliptischem Querschnitt, Breite W, Höhe H und Länge L, Flüssigkeit bis zur Tiefe d über dem tiefsten Punkt</translation>
    </message>
    <message>
        <source>Hypotenuse c</source>
        <translation>Hypotenuse c</translation>
    </message>
    <message>
        <source>Inner Area</source>
        <translation>Innenfläche</translation>
    </message>
    <message>
        <source>Inner diameter f</source>
        <translation>Innendurchmesser f</translation>
    </message>
    <message>
        <source>Inner radius r</source>
        <translation>Innenradius r</translation>
    </message>
    <message>
        <source>Inner radius r1</source>
        <translation>Innenradius r1</translation>
    </message>
    <message>
        <source>Inner radius r2</source>
        <translation>Innenradius r2</translation>
    </message>
    <message>
        <source>Inradius r</source>
        <translation>Inkreisradius r</translation>
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
        <source>Lateral Area</source>
        <translation>Mantelfläche</translation>
    </message>
    <message>
        <source>Leg a</source>
        <translation>Kathete a</translation>
    </message>
    <message>
        <source>Leg c</source>
        <translation>Kathete c</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Length L</source>
        <translation>Länge L</translation>
    </message>
    <message>
        <source>Length L =</source>
        <translation>Länge L =</translation>
    </message>
    <message>
        <source>Length h</source>
        <translation>Länge h</translation>
    </message>
    <message>
        <source>Length l</source>
        <translation>Länge l</translation>
    </message>
    <message>
        <source>Length l =</source>
        <translation>Länge l =</translation>
    </message>
    <message>
        <source>Liquid Surface</source>
        <translation>Flüssigkeitsspiegel</translation>
    </message>
    <message>
        <source>Liquid Surface =</source>
        <translation>Flüssigkeitsspiegel =</translation>
    </message>
    <message>
        <source>No. of Sides</source>
        <translation>Anz. Seiten</translation>
    </message>
    <message>
        <source>Nonagon</source>
        <translation>Neuneck</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Achteck</translation>
    </message>
    <message>
        <source>Outer Area</source>
        <translation>Außenfläche</translation>
    </message>
    <message>
        <source>Outer diameter d</source>
        <translation>Außendurchmesser d</translation>
    </message>
    <message>
        <source>Outer radius R</source>
        <translation>Außenradius R</translation>
    </message>
    <message>
        <source>Outer radius r1</source>
        <translation>Außenradius r1</translation>
    </message>
    <message>
        <source>Outer radius r2</source>
        <translation>Außenradius r2</translation>
    </message>
    <message>
        <source>P (Perimeter of base) =</source>
        <translation>P (Grundumfang) =</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogramm</translation>
    </message>
    <message>
        <source>Parallelogram Calculations</source>
        <translation>Parallelogrammberechnungen</translation>
    </message>
    <message>
        <source>Parallelogram with base a, slanted side b, height h and the angle theta between them</source>
        <translation>Parallelogramm mit Grundseite a, schräger Seite b, Höhe h und dem Winkel Theta zwischen ihnen</translation>
    </message>
    <message>
        <source>Parallelopiped</source>
        <translation>Quader</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Fünfeck</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Perimeter=</source>
        <translation>Umfang=</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Polygon Calculations</source>
        <translation>Vieleckberechnungen</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>Viereck</translation>
    </message>
    <message>
        <source>Quadrilateral Calculations</source>
        <translation>Viereckberechnungen</translation>
    </message>
    <message>
        <source>Quadrilateral with diagonals d1 and d2 crossing at the angle theta</source>
        <translation>Viereck, dessen Diagonalen d1 und d2 sich im Winkel Theta schneiden</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Radius =</source>
        <translation>Radius =</translation>
    </message>
    <message>
        <source>Radius = </source>
        <translation>Radius = </translation>
    </message>
    <message>
        <source>Radius r</source>
        <translation>Radius r</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Rectangle Calculations</source>
        <translation>Rechteckberechnungen</translation>
    </message>
    <message>
        <source>Rectangle with width a and height b</source>
        <translation>Rechteck mit Breite a und Höhe b</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Quaderförmig</translation>
    </message>
    <message>
        <source>Regular Polygon</source>
        <translation>Regelmäßiges Vieleck</translation>
    </message>
    <message>
        <source>Regular octagon with its side marked a</source>
        <translation>Regelmäßiges Achteck mit der Seite a markiert</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Results:</source>
        <translation>Ergebnisse:</translation>
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
        <source>Right Cone</source>
        <translation>Gerader Kegel</translation>
    </message>
    <message>
        <source>Right Cone Calculations</source>
        <translation>Kegelberechnungen</translation>
    </message>
    <message>
        <source>Right Cylinder</source>
        <translation>Gerader Zylinder</translation>
    </message>
    <message>
        <source>Right Cylinder Calculations</source>
        <translation>Zylinderberechnungen</translation>
    </message>
    <message>
        <source>Right Prism</source>
        <translation>Gerades Prisma</translation>
    </message>
    <message>
        <source>Right Prism Calculations</source>
        <translation>Prismenberechnungen</translation>
    </message>
    <message>
        <source>Right Pyramid</source>
        <translation>Gerade Pyramide</translation>
    </message>
    <message>
        <source>Right Pyramid Calculations</source>
        <translation>Pyramidenberechnungen</translation>
    </message>
    <message>
        <source>Right cone with its height h, base radius r and slant side k</source>
        <translation>Gerader Kegel mit Höhe h, Grundradius r und Mantellinie k</translation>
    </message>
    <message>
        <source>Right cylinder with its radius r and height h</source>
        <translation>Gerader Zylinder mit Radius r und Höhe h</translation>
    </message>
    <message>
        <source>Right prism on a right-angled triangle with legs a and c, hypotenuse b and length h</source>
        <translation>Gerades Prisma über einem rechtwinkligen Dreieck mit den Katheten a und c, der Hypotenuse b und der Länge h</translation>
    </message>
    <message>
        <source>Right pyramid on a five-sided base A with its height h and slant height k</source>
        <translation>Gerade Pyramide über einer fünfeckigen Grundfläche A mit der Höhe h und der Seitenhöhe k</translation>
    </message>
    <message>
        <source>Right triangle</source>
        <translation>Rechtwinkliges Dreieck</translation>
    </message>
    <message>
        <source>Right triangle: right angle C=90 at the lower left, angle A at the lower right, angle B at the top; side a upright, side b along the bottom, hypotenuse c slanted</source>
        <translation>Rechtwinkliges Dreieck: rechter Winkel C=90 unten links, Winkel A unten rechts, Winkel B oben; Seite a senkrecht, Seite b unten entlang, Hypotenuse c schräg</translation>
    </message>
    <message>
        <source>Ring radius R</source>
        <translation>Ringradius R</translation>
    </message>
    <message>
        <source>Rt. Triangle Formulas</source>
        <translation>Formeln für rechtw. Dreiecke</translation>
    </message>
    <message>
        <source>Section radius r</source>
        <translation>Querschnittsradius r</translation>
    </message>
    <message>
        <source>Sector ABC of a circle with centre B, angle θ at B and radius r</source>
        <translation>Kreisausschnitt ABC mit Mittelpunkt B, Winkel θ bei B und Radius r</translation>
    </message>
    <message>
        <source>Sector of Circle</source>
        <translation>Kreisausschnitt</translation>
    </message>
    <message>
        <source>Seg. of Circle</source>
        <translation>Kreisabschnitt</translation>
    </message>
    <message>
        <source>Segment ACDA of a circle cut off by the chord AC, with angle θ and radius r</source>
        <translation>Kreisabschnitt ACDA, von der Sehne AC abgeschnitten, mit Winkel θ und Radius r</translation>
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
        <source>Short side k</source>
        <translation>Kurze Seite k</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Seite a</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Seite b</translation>
    </message>
    <message>
        <source>Side c</source>
        <translation>Seite c</translation>
    </message>
    <message>
        <source>Slant height k</source>
        <translation>Seitenhöhe k</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Sphere radius R</source>
        <translation>Kugelradius R</translation>
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
        <source>Spherical tank of diameter D, liquid to the depth d from its lowest point</source>
        <translation>Kugeltank mit Durchmesser D, Flüssigkeit bis zur Tiefe d über dem tiefsten Punkt</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Straight length L</source>
        <translation>Gerade Länge L</translation>
    </message>
    <message>
        <source>Straight length L =</source>
        <translation>Gerade Länge L =</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Surface area</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Surface area = </source>
        <translation>Oberfläche = </translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Tank (Fill Level)</source>
        <translation>Tank (Füllstand)</translation>
    </message>
    <message>
        <source>Tank Fill Level Calculations</source>
        <translation>Tank-Füllstandsberechnungen</translation>
    </message>
    <message>
        <source>Tank:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Theta</source>
        <translation>Theta</translation>
    </message>
    <message>
        <source>Theta = </source>
        <translation>Theta = </translation>
    </message>
    <message>
        <source>Top radius r</source>
        <translation>Deckradius r</translation>
    </message>
    <message>
        <source>Total Surface</source>
        <translation>Gesamtfläche</translation>
    </message>
    <message>
        <source>Total Volume</source>
        <translation>Gesamtvolumen</translation>
    </message>
    <message>
        <source>Total Volume =</source>
        <translation>Gesamtvolumen =</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapezium</translation>
    </message>
    <message>
        <source>Trapezium Calculations</source>
        <translation>Trapezium-Berechnungen</translation>
    </message>
    <message>
        <source>Trapezium on a base divided into e, g and f, its upper corners at the heights h and k</source>
        <translation>Unregelmäßiges Viereck über einer in e, g und f geteilten Grundseite, seine oberen Ecken in den Höhen h und k</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapez</translation>
    </message>
    <message>
        <source>Trapezoid Calculations</source>
        <translation>Trapezberechnungen</translation>
    </message>
    <message>
        <source>Trapezoid with parallel sides a and b and height h</source>
        <translation>Trapez mit den parallelen Seiten a und b und der Höhe h</translation>
    </message>
    <message>
        <source>Triangle (Any)</source>
        <translation>Dreieck (beliebig)</translation>
    </message>
    <message>
        <source>Triangle (Equilateral)</source>
        <translation>Dreieck (gleichseitig)</translation>
    </message>
    <message>
        <source>Triangle (Right)</source>
        <translation>Dreieck (rechtwinklig)</translation>
    </message>
    <message>
        <source>Triangle with corners A at the lower left, B at the lower right and C at the top; side a faces A, side b faces B and side c, along the bottom, faces C; heights and circles are not drawn</source>
        <translation>Dreieck mit den Ecken A unten links, B unten rechts und C oben; Seite a liegt A gegenüber, Seite b liegt B gegenüber und Seite c, unten entlang, liegt C gegenüber; Höhen und Kreise sind nicht gezeichnet</translation>
    </message>
    <message>
        <source>Undecagon</source>
        <translation>Elfeck</translation>
    </message>
    <message>
        <source>Upright cylinder tank of diameter D and height H, liquid to the depth d from its bottom</source>
        <translation>Stehender Zylindertank mit Durchmesser D und Höhe H, Flüssigkeit bis zur Tiefe d über dem Boden</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Vertical Cylinder</source>
        <translation>Stehender Zylinder</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Volume =</source>
        <translation>Volumen =</translation>
    </message>
    <message>
        <source>Wetted Area</source>
        <translation>Benetzte Fläche</translation>
    </message>
    <message>
        <source>Wetted Area =</source>
        <translation>Benetzte Fläche =</translation>
    </message>
    <message>
        <source>Width W</source>
        <translation>Breite W</translation>
    </message>
    <message>
        <source>Width W =</source>
        <translation>Breite W =</translation>
    </message>
    <message>
        <source>Width a</source>
        <translation>Breite a</translation>
    </message>
    <message>
        <source>Width w</source>
        <translation>Breite w</translation>
    </message>
    <message>
        <source>Width w =</source>
        <translation>Breite w =</translation>
    </message>
    <message>
        <source>Wire-frame sphere with its radius r and diameter d marked</source>
        <translation>Drahtgitterkugel mit markiertem Radius r und Durchmesser d</translation>
    </message>
    <message>
        <source>a/Area</source>
        <translation>a/Fläche</translation>
    </message>
    <message>
        <source>b/Area</source>
        <translation>b/Fläche</translation>
    </message>
    <message>
        <source>%1 is empty. Type a number, such as 12.5.</source>
        <translation>%1 ist leer. Geben Sie eine Zahl ein, etwa 12.5.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <translation>%1 nimmt höchstens %2 Zeichen auf.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number. Type digits with at most one %3.</source>
        <translation>%1: „%2“ ist keine Zahl. Erlaubt sind Ziffern mit höchstens einem %3.</translation>
    </message>
    <message>
        <source>A number in the calculation is too large. Give smaller values.</source>
        <translation>Eine Zahl in der Rechnung ist zu groß. Geben Sie kleinere Werte ein.</translation>
    </message>
    <message>
        <source>The calculation divides by zero. Check the given values.</source>
        <translation>Die Rechnung teilt durch null. Prüfen Sie die gegebenen Werte.</translation>
    </message>
    <message>
        <source>The calculation has no real result for these values.</source>
        <translation>Die Rechnung hat für diese Werte kein reelles Ergebnis.</translation>
    </message>
    <message>
        <source>The calculation needs the square root of a negative number. These values do not make a real figure.</source>
        <translation>Die Rechnung braucht die Quadratwurzel einer negativen Zahl. Diese Werte ergeben keine wirkliche Figur.</translation>
    </message>
    <message>
        <source>The pasted text is %1 characters long; %2 Nothing was pasted.</source>
        <translation>Der eingefügte Text ist %1 Zeichen lang; %2 Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Warning sign</source>
        <translation>Warnzeichen</translation>
    </message>
    <message>
        <source>Zyntra warning</source>
        <translation>Zyntra-Warnung</translation>
    </message>
    <message>
        <source>a value field</source>
        <translation>ein Wertfeld</translation>
    </message>
    <message>
        <source>decimal comma or full stop, such as 12,5 or 12.5</source>
        <translation>Dezimalkomma oder Punkt, etwa 12,5 oder 12.5</translation>
    </message>
    <message>
        <source>full stop, such as 12.5</source>
        <translation>Punkt, etwa 12.5</translation>
    </message>
    <message>
        <source>with what %1 already holds, that is more than the %2 characters it takes.</source>
        <translation>mit dem, was %1 schon enthält, sind das mehr als die %2 Zeichen, die es aufnimmt.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy calculation</source>
        <translation>Rechnung kopieren</translation>
    </message>
    <message>
        <source>Copy with working</source>
        <translation>Mit Rechenweg kopieren</translation>
    </message>
    <message>
        <source>Show In</source>
        <translation>Anzeigen in</translation>
    </message>
    <message>
        <source>Show working</source>
        <translation>Rechenweg zeigen</translation>
    </message>
    <message>
        <source>Solve From This Answer…</source>
        <translation>Von diesem Ergebnis aus lösen…</translation>
    </message>
    <message>
        <source>Target for %1</source>
        <translation>Zielwert für %1</translation>
    </message>
</context>
<context>
    <name>Zyntra::MDIMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometrie</translation>
    </message>
    <message>
        <source>2D Objects</source>
        <translation>2D-Objekte</translation>
    </message>
    <message>
        <source>3D Objects</source>
        <translation>3D-Objekte</translation>
    </message>
    <message>
        <source>Exact Constants</source>
        <translation>Exakte Konstanten</translation>
    </message>
    <message>
        <source>Exact Form</source>
        <translation>Exakte Form</translation>
    </message>
    <message>
        <source>Calculation Sheet</source>
        <translation>Rechenblatt</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>Verlauf speichern</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Follow Desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Show Splash at Start-up</source>
        <translation>Startbild beim Start zeigen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>Zyntra::frmAbout</name>
    <message>
        <source>About Zyntra</source>
        <translation>Über Zyntra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying or distributing it, or any part of it, without permission is forbidden.</source>
        <translation>Warnung: Dieses Programm ist urheberrechtlich geschützt. Es ohne Erlaubnis ganz oder teilweise zu kopieren oder weiterzugeben, ist verboten.</translation>
    </message>
</context>
</TS>
