<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Composite</name>
    <message>
        <source>%1 is not a figure this Zyntra has.</source>
        <translation>%1 ist keine Figur, die dieses Zyntra kennt.</translation>
    </message>
    <message>
        <source>%1 has no answer %2.</source>
        <translation>%1 hat kein Ergebnis %2.</translation>
    </message>
    <message>
        <source>%1 takes no value %2.</source>
        <translation>%1 nimmt keinen Wert %2.</translation>
    </message>
    <message>
        <source>%1 gives no %2 for these values.</source>
        <translation>%1 liefert für diese Werte kein Ergebnis %2.</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Teil %1: %2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Total = %1 = %2%3</source>
        <translation>Summe = %1 = %2%3</translation>
    </message>
    <message>
        <source> (exact: %1)</source>
        <translation> (exakt: %1)</translation>
    </message>
    <message>
        <source>lengths</source>
        <translation>Längen</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>areas</source>
        <translation>Flächen</translation>
    </message>
    <message>
        <source>area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>volumes</source>
        <translation>Volumina</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>angles</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>Anzahlen</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>A composite adds up lengths, areas or volumes, not %1.</source>
        <translation>Eine zusammengesetzte Figur summiert Längen, Flächen oder Volumina, keine %1.</translation>
    </message>
    <message>
        <source>This part is a %1, but the composite&apos;s parts are %2: every part must measure the same kind.</source>
        <translation>Dieser Teil ist vom Typ %1, die Teile der zusammengesetzten Figur aber sind %2: Alle Teile müssen dieselbe Art von Größe messen.</translation>
    </message>
    <message>
        <source>The total is below zero: the cut-outs are larger than the parts they cut.</source>
        <translation>Die Summe ist kleiner als null: Die Ausschnitte sind größer als die Teile, aus denen sie geschnitten werden.</translation>
    </message>
    <message>
        <source>There is no such part.</source>
        <translation>Diesen Teil gibt es nicht.</translation>
    </message>
    <message>
        <source>The part takes no value %1.</source>
        <translation>Der Teil nimmt keinen Wert %1.</translation>
    </message>
    <message>
        <source>No value of %1 brings the total to %2: nothing was changed.</source>
        <translation>Kein Wert von %1 bringt die Summe auf %2: Nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>A(Area of base) =</source>
        <translation>A(Grundfläche) =</translation>
    </message>
    <message>
        <source>Add to Composite</source>
        <translation>Zur zusammengesetzten Figur hinzufügen</translation>
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
        <source>Frustum of Right Cylinder</source>
        <translation>Schief abgeschnittener Zylinder</translation>
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
        <source>Inner diameter f</source>
        <translation>Innendurchmesser f</translation>
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
        <source>Leg a</source>
        <translation>Kathete a</translation>
    </message>
    <message>
        <source>Leg c</source>
        <translation>Kathete c</translation>
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
        <source>Outer diameter d</source>
        <translation>Außendurchmesser d</translation>
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
        <source>Cut Out of Composite</source>
        <translation>Aus der zusammengesetzten Figur ausschneiden</translation>
    </message>
    <message>
        <source>Solve From This Answer…</source>
        <translation>Von diesem Ergebnis aus lösen…</translation>
    </message>
    <message>
        <source>Target for %1</source>
        <translation>Zielwert für %1</translation>
    </message>
    <message>
        <source>%1 must be %2.</source>
        <translation>%1 muss %2 sein.</translation>
    </message>
    <message>
        <source>%1 must not be larger than the %2.</source>
        <translation>%1 darf nicht größer sein als der %2.</translation>
    </message>
    <message>
        <source>Side %1 must be shorter than the hypotenuse c.</source>
        <translation>Seite %1 muss kürzer sein als die Hypotenuse c.</translation>
    </message>
    <message>
        <source>Depth d must not be more than the tank&apos;s height, %1.</source>
        <translation>Tiefe d darf nicht größer sein als die Höhe des Tanks, %1.</translation>
    </message>
    <message>
        <source>%1 is shorter than %2 × sin %3, so it cannot close the triangle: no triangle fits these values. %1 = %4 would, with %5 a right angle.</source>
        <translation>%1 ist kürzer als %2 × sin %3 und kann das Dreieck nicht schließen: Kein Dreieck passt zu diesen Werten. %1 = %4 würde es, mit %5 als rechtem Winkel.</translation>
    </message>
    <message>
        <source>%1 must be longer than %2, as %3 is 90° or more: no triangle fits these values.</source>
        <translation>%1 muss länger sein als %2, da %3 90° oder mehr beträgt: Kein Dreieck passt zu diesen Werten.</translation>
    </message>
    <message>
        <source>%1 does not agree with the other values given: they make it %2%3, and a given %4 may differ by %5 at most.</source>
        <translation>%1 passt nicht zu den anderen gegebenen Werten: Sie ergeben %2%3, und ein gegebener Wert (%4) darf höchstens um %5 abweichen.</translation>
    </message>
    <message>
        <source>%1 is as long as the other two sides together, or longer: no triangle has such sides.</source>
        <translation>%1 ist so lang wie die beiden anderen Seiten zusammen oder länger: Kein Dreieck hat solche Seiten.</translation>
    </message>
    <message>
        <source>%1 and %2 add up to 180° or more: no triangle has such angles.</source>
        <translation>%1 und %2 ergeben zusammen 180° oder mehr: Kein Dreieck hat solche Winkel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; divides by zero in %2/%3.</source>
        <translation>„%1“ teilt in %2/%3 durch null.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit Zyntra knows. For %2 it knows %3.</source>
        <translation>„%1“ ist keine Einheit, die Zyntra kennt. Für %2 kennt es %3.</translation>
    </message>
    <message>
        <source>%1, &apos; and &quot; for feet and inches</source>
        <translation>%1, &apos; und &quot; für Fuß und Zoll</translation>
    </message>
    <message>
        <source>%1 measures %2; this value is %3.</source>
        <translation>%1 misst %2; dieser Wert ist %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than one value; give one.</source>
        <translation>„%1“ enthält mehr als einen Wert; geben Sie einen an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; mixes metric and imperial units; give it in one of them.</source>
        <translation>„%1“ mischt metrische und angloamerikanische Einheiten; geben Sie den Wert in einem der beiden Systeme an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives its units out of order; write the larger first, as 5 ft 3 in.</source>
        <translation>„%1“ nennt seine Einheiten in falscher Reihenfolge; schreiben Sie die größere zuerst, etwa 5 ft 3 in.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>„%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>solved from %1 and %2</source>
        <translation>gelöst aus %1 und %2</translation>
    </message>
    <message>
        <source>solved so that %1 = %2</source>
        <translation>gelöst, sodass %1 = %2</translation>
    </message>
    <message>
        <source>found so that %1 = %2</source>
        <translation>gefunden, sodass %1 = %2</translation>
    </message>
    <message>
        <source>exact: %1 = %2</source>
        <translation>exakt: %1 = %2</translation>
    </message>
    <message>
        <source>exact: %1</source>
        <translation>exakt: %1</translation>
    </message>
    <message>
        <source>%1 = %2 gives it too</source>
        <translation>%1 = %2 ergibt es ebenfalls</translation>
    </message>
    <message>
        <source>given as %1</source>
        <translation>gegeben als %1</translation>
    </message>
    <message>
        <source>shown to %1 significant digits, as far as the rounding of the steps allows</source>
        <translation>auf %1 geltende Ziffern gezeigt, soweit die Rundung der Schritte es erlaubt</translation>
    </message>
    <message>
        <source>%1 = %2 × sin %3: the side just reaches, at a right angle</source>
        <translation>%1 = %2 × sin %3: Die Seite reicht gerade, im rechten Winkel</translation>
    </message>
    <message>
        <source>R_G(%1, %2, %3) = %4, Carlson&apos;s symmetric elliptic integral</source>
        <translation>R_G(%1, %2, %3) = %4, symmetrisches elliptisches Integral nach Carlson</translation>
    </message>
    <message>
        <source>s = %1, the ellipse&apos;s rim below the liquid, by Carlson&apos;s symmetric elliptic integrals</source>
        <translation>s = %1, der Rand der Ellipse unter der Flüssigkeit, nach Carlsons symmetrischen elliptischen Integralen</translation>
    </message>
    <message>
        <source>%1 = %2 = %3, %4</source>
        <translation>%1 = %2 = %3, %4</translation>
    </message>
    <message>
        <source>%1 %2; no %3 gives %4.</source>
        <translation>%1 %2; kein %3 ergibt %4.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 does not change with %2; choose another value to change.</source>
        <translation>%1 ändert sich nicht mit %2; wählen Sie einen anderen Wert zum Ändern.</translation>
    </message>
    <message>
        <source>%1 with %2, drawn to scale</source>
        <translation>%1 mit %2, maßstäblich gezeichnet</translation>
    </message>
    <message>
        <source>%1 with %2, not to scale</source>
        <translation>%1 mit %2, nicht maßstäblich</translation>
    </message>
    <message>
        <source>A side is needed as well: angles fix the shape of a triangle, never its size.</source>
        <translation>Eine Seite wird ebenfalls gebraucht: Winkel legen die Form eines Dreiecks fest, nie seine Größe.</translation>
    </message>
    <message>
        <source>Circle sector</source>
        <translation>Kreissektor</translation>
    </message>
    <message>
        <source>Circle segment</source>
        <translation>Kreissegment</translation>
    </message>
    <message>
        <source>Circular ring</source>
        <translation>Kreisring</translation>
    </message>
    <message>
        <source>Depth d (%1)</source>
        <translation>Tiefe d (%1)</translation>
    </message>
    <message>
        <source>Dip chart, %1</source>
        <translation>Peiltabelle, %1</translation>
    </message>
    <message>
        <source>Dip chart, ten steps of the height</source>
        <translation>Peiltabelle, zehn Stufen der Höhe</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Gleichseitiges Dreieck</translation>
    </message>
    <message>
        <source>Fill in %1 first: %2 cannot be worked back to %3 without it.</source>
        <translation>Füllen Sie zuerst %1 aus: Ohne diesen Wert lässt sich %2 nicht auf %3 zurückrechnen.</translation>
    </message>
    <message>
        <source>Filled Volume (%1)</source>
        <translation>Gefülltes Volumen (%1)</translation>
    </message>
    <message>
        <source>Frustum of a right cylinder</source>
        <translation>Schief abgeschnittener gerader Zylinder</translation>
    </message>
    <message>
        <source>Give three of the six values, at least one of them a side.</source>
        <translation>Geben Sie drei der sechs Werte an, mindestens einen davon eine Seite.</translation>
    </message>
    <message>
        <source>Given: %1</source>
        <translation>Gegeben: %1</translation>
    </message>
    <message>
        <source>Hollow circle sector</source>
        <translation>Hohler Kreissektor</translation>
    </message>
    <message>
        <source>No %1 gives a figure with %2 = %3.</source>
        <translation>Kein %1 ergibt eine Figur mit %2 = %3.</translation>
    </message>
    <message>
        <source>No figure</source>
        <translation>Keine Figur</translation>
    </message>
    <message>
        <source>No such tank.</source>
        <translation>Einen solchen Tank gibt es nicht.</translation>
    </message>
    <message>
        <source>Parallelepiped</source>
        <translation>Quader</translation>
    </message>
    <message>
        <source>Regular polygons of 3 to 12 sides</source>
        <translation>Regelmäßige Vielecke mit 3 bis 12 Seiten</translation>
    </message>
    <message>
        <source>Right cone</source>
        <translation>Gerader Kreiskegel</translation>
    </message>
    <message>
        <source>Right cylinder</source>
        <translation>Gerader Zylinder</translation>
    </message>
    <message>
        <source>Right prism</source>
        <translation>Gerades Prisma</translation>
    </message>
    <message>
        <source>Right pyramid</source>
        <translation>Gerade Pyramide</translation>
    </message>
    <message>
        <source>The angle θ must be 360° or less: no part of a circle turns further.</source>
        <translation>Der Winkel θ darf höchstens 360° betragen: Kein Teil eines Kreises dreht sich weiter.</translation>
    </message>
    <message>
        <source>These values make a triangle too flat to tell from a line.</source>
        <translation>Diese Werte ergeben ein Dreieck, das zu flach ist, um es von einer Linie zu unterscheiden.</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>With %1, %2 %3; no %4 gives %5.</source>
        <translation>Mit %1 gilt: %2 %3; kein %4 ergibt %5.</translation>
    </message>
    <message>
        <source>With %1, no %2 gives a figure with %3 = %4.</source>
        <translation>Mit %1 ergibt kein %2 eine Figur mit %3 = %4.</translation>
    </message>
    <message>
        <source>Zyntra cannot keep its history in %1 (%2), so the history is off until Zyntra starts again.</source>
        <translation>Zyntra kann seinen Verlauf nicht in %1 führen (%2); der Verlauf ist daher aus, bis Zyntra neu startet.</translation>
    </message>
    <message>
        <source>Zyntra could not use its history file, as %1. The file is kept as %2, and a new history starts now.</source>
        <translation>Zyntra konnte seine Verlaufsdatei nicht nutzen, da %1. Die Datei bleibt als %2 erhalten, und ein neuer Verlauf beginnt jetzt.</translation>
    </message>
    <message>
        <source>a count</source>
        <translation>eine Anzahl</translation>
    </message>
    <message>
        <source>a length</source>
        <translation>eine Länge</translation>
    </message>
    <message>
        <source>a side is needed as well as an angle</source>
        <translation>außer einem Winkel wird eine Seite gebraucht</translation>
    </message>
    <message>
        <source>a volume</source>
        <translation>ein Volumen</translation>
    </message>
    <message>
        <source>an angle</source>
        <translation>einen Winkel</translation>
    </message>
    <message>
        <source>an area</source>
        <translation>eine Fläche</translation>
    </message>
    <message>
        <source>base drawn as a sketch: no regular polygon has this A and P</source>
        <translation>Grundfläche als Skizze gezeichnet: Kein regelmäßiges Vieleck hat dieses A und P</translation>
    </message>
    <message>
        <source>between 0° and 180°</source>
        <translation>zwischen 0° und 180°</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>every %1%2</source>
        <translation>alle %1%2</translation>
    </message>
    <message>
        <source>given</source>
        <translation>gegeben</translation>
    </message>
    <message>
        <source>greater than zero</source>
        <translation>größer als null</translation>
    </message>
    <message>
        <source>is at least %1</source>
        <translation>ist mindestens %1</translation>
    </message>
    <message>
        <source>is at most %1</source>
        <translation>ist höchstens %1</translation>
    </message>
    <message>
        <source>is less than %1</source>
        <translation>ist kleiner als %1</translation>
    </message>
    <message>
        <source>is more than %1</source>
        <translation>ist größer als %1</translation>
    </message>
    <message>
        <source>it is damaged or not a history</source>
        <translation>sie beschädigt oder kein Verlauf ist</translation>
    </message>
    <message>
        <source>it was written by a newer Zyntra</source>
        <translation>sie von einem neueren Zyntra geschrieben wurde</translation>
    </message>
    <message>
        <source>its file could not be set aside</source>
        <translation>seine Datei nicht beiseitegelegt werden konnte</translation>
    </message>
    <message>
        <source>jumps past %1 as %2 changes</source>
        <translation>springt über %1 hinweg, wenn sich %2 ändert</translation>
    </message>
    <message>
        <source>less than 180°</source>
        <translation>kleiner als 180°</translation>
    </message>
    <message>
        <source>less than 90 degrees</source>
        <translation>kleiner als 90 Grad</translation>
    </message>
    <message>
        <source>lies between %1 and %2</source>
        <translation>liegt zwischen %1 und %2</translation>
    </message>
    <message>
        <source>no exact form</source>
        <translation>keine exakte Form</translation>
    </message>
    <message>
        <source>no figure</source>
        <translation>keine Figur</translation>
    </message>
    <message>
        <source>no values given</source>
        <translation>keine Werte gegeben</translation>
    </message>
    <message>
        <source>not to scale</source>
        <translation>nicht maßstäblich</translation>
    </message>
    <message>
        <source>outer diameter d</source>
        <translation>Außendurchmesser d</translation>
    </message>
    <message>
        <source>outer radius r1</source>
        <translation>Außenradius r1</translation>
    </message>
    <message>
        <source>outer radius r2</source>
        <translation>Außenradius r2</translation>
    </message>
    <message>
        <source>ring radius R</source>
        <translation>Ringradius R</translation>
    </message>
    <message>
        <source>the angle the empty segment above the liquid spans</source>
        <translation>der Winkel, den das leere Segment über der Flüssigkeit überspannt</translation>
    </message>
    <message>
        <source>the angle the liquid&apos;s segment spans</source>
        <translation>der Winkel, den das Segment der Flüssigkeit überspannt</translation>
    </message>
    <message>
        <source>the ball</source>
        <translation>die Kugel</translation>
    </message>
    <message>
        <source>the cap of the ball above the liquid</source>
        <translation>die Kugelkappe über der Flüssigkeit</translation>
    </message>
    <message>
        <source>the cap of the ball below the liquid</source>
        <translation>die Kugelkappe unter der Flüssigkeit</translation>
    </message>
    <message>
        <source>the diameter D</source>
        <translation>der Durchmesser D</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner nicht angelegt werden kann</translation>
    </message>
    <message>
        <source>the height H</source>
        <translation>die Höhe H</translation>
    </message>
    <message>
        <source>the rounding of the steps leaves no digit of this answer certain</source>
        <translation>die Rundung der Schritte lässt keine Ziffer dieses Ergebnisses sicher</translation>
    </message>
    <message>
        <source>the segment&apos;s area</source>
        <translation>die Fläche des Segments</translation>
    </message>
    <message>
        <source>the whole section</source>
        <translation>der ganze Querschnitt</translation>
    </message>
    <message>
        <source>two values are needed, one of them a side</source>
        <translation>zwei Werte werden gebraucht, einer davon eine Seite</translation>
    </message>
    <message>
        <source>zero or more</source>
        <translation>null oder mehr</translation>
    </message>
    <message>
        <source>Segment of Circle</source>
        <translation>Kreissegment</translation>
    </message>
    <message>
        <source>Horizontal Cylinder Tank</source>
        <translation>Liegender Zylindertank</translation>
    </message>
    <message>
        <source>Vertical Cylinder Tank</source>
        <translation>Stehender Zylindertank</translation>
    </message>
    <message>
        <source>Horizontal Capsule Tank</source>
        <translation>Liegender Kapseltank</translation>
    </message>
    <message>
        <source>Spherical Tank</source>
        <translation>Kugeltank</translation>
    </message>
    <message>
        <source>Rectangular Tank</source>
        <translation>Quadertank</translation>
    </message>
    <message>
        <source>Horizontal Elliptical Tank</source>
        <translation>Liegender elliptischer Tank</translation>
    </message>
    <message>
        <source>side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>base area A</source>
        <translation>Grundfläche A</translation>
    </message>
    <message>
        <source>Zyntra logo: a cube, a cone, a cylinder and a sphere before a blue globe</source>
        <translation>Zyntra-Logo: ein Würfel, ein Kegel, ein Zylinder und eine Kugel vor einem blauen Globus</translation>
    </message>
    <message>
        <source>millimetre</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>centimetre</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>metre</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>kilometre</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>kilometres</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>mile</source>
        <translation>Meile</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>square millimetre</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>square millimetres</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>square centimetre</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>square centimetres</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>square metre</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>square metres</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>hectare</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>square kilometre</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>square kilometres</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>square inch</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>square foot</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>square yard</source>
        <translation>Quadratyard</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>Quadratyards</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>Acre</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>Acres</translation>
    </message>
    <message>
        <source>square mile</source>
        <translation>Quadratmeile</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>cubic millimetre</source>
        <translation>Kubikmillimeter</translation>
    </message>
    <message>
        <source>cubic millimetres</source>
        <translation>Kubikmillimeter</translation>
    </message>
    <message>
        <source>cubic centimetre</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>cubic centimetres</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>cubic metre</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>millilitre</source>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>millilitres</source>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>litre</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>cubic inch</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>cubic foot</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>cubic yard</source>
        <translation>Kubikyard</translation>
    </message>
    <message>
        <source>cubic yards</source>
        <translation>Kubikyards</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>US-Gallone</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>US-Gallonen</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>Imperiale Gallone</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>Imperiale Gallonen</translation>
    </message>
    <message>
        <source>cubic kilometre</source>
        <translation>Kubikkilometer</translation>
    </message>
    <message>
        <source>cubic kilometres</source>
        <translation>Kubikkilometer</translation>
    </message>
    <message>
        <source>of an inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>a half</source>
        <translation>ein halb</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>over</source>
        <translation>durch</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>quarter</source>
        <translation>Viertel</translation>
    </message>
    <message>
        <source>quarters</source>
        <translation>Viertel</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>Achtel</translation>
    </message>
    <message>
        <source>eighths</source>
        <translation>Achtel</translation>
    </message>
    <message>
        <source>sixteenth</source>
        <translation>Sechzehntel</translation>
    </message>
    <message>
        <source>sixteenths</source>
        <translation>Sechzehntel</translation>
    </message>
    <message>
        <source>thirty-second</source>
        <translation>Zweiunddreißigstel</translation>
    </message>
    <message>
        <source>thirty-seconds</source>
        <translation>Zweiunddreißigstel</translation>
    </message>
    <message>
        <source>sixty-fourth</source>
        <translation>Vierundsechzigstel</translation>
    </message>
    <message>
        <source>sixty-fourths</source>
        <translation>Vierundsechzigstel</translation>
    </message>
    <message>
        <source>a quarter</source>
        <translation>ein Viertel</translation>
    </message>
    <message>
        <source>an eighth</source>
        <translation>ein Achtel</translation>
    </message>
    <message>
        <source>a sixteenth</source>
        <translation>ein Sechzehntel</translation>
    </message>
    <message>
        <source>a thirty-second</source>
        <translation>ein Zweiunddreißigstel</translation>
    </message>
    <message>
        <source>a sixty-fourth</source>
        <translation>ein Vierundsechzigstel</translation>
    </message>
</context>
<context>
    <name>Zyntra::HistoryModel</name>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Composite: %1</source>
        <translation>Zusammengesetzte Figur: %1</translation>
    </message>
</context>
<context>
    <name>Zyntra::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Past calculations</source>
        <translation>Frühere Rechnungen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;Clear History</source>
        <translation>&amp;Verlauf leeren</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>Remove every calculation from the history?</source>
        <translation>Alle Rechnungen aus dem Verlauf entfernen?</translation>
    </message>
    <message>
        <source>%1 row</source>
        <translation>%1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 chosen row</source>
        <translation>%1 gewählte Zeile</translation>
    </message>
    <message>
        <source>%1 chosen rows</source>
        <translation>%1 gewählte Zeilen</translation>
    </message>
    <message>
        <source>Export History (%1)</source>
        <translation>Verlauf exportieren (%1)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>Der Verlauf konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Figure, composite, caption or number</source>
        <translation>Figur, zusammengesetzte Figur, Beschriftung oder Zahl</translation>
    </message>
    <message>
        <source>Choose one composite to export its parts.</source>
        <translation>Wählen Sie eine zusammengesetzte Figur, um ihre Teile zu exportieren.</translation>
    </message>
    <message>
        <source>The composite could not be exported: %1</source>
        <translation>Die zusammengesetzte Figur konnte nicht exportiert werden: %1</translation>
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
        <source>Composite</source>
        <translation>Zusammengesetzte Figur</translation>
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
    <message>
        <source>1 Decimal Place</source>
        <translation>1 Nachkommastelle</translation>
    </message>
    <message>
        <source>%1 Decimal Places</source>
        <translation>%1 Nachkommastellen</translation>
    </message>
    <message>
        <source>%1 Significant Digits</source>
        <translation>%1 geltende Ziffern</translation>
    </message>
    <message>
        <source>As Described</source>
        <translation>Wie beschrieben</translation>
    </message>
    <message>
        <source>Lengths</source>
        <translation>Längen</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Flächen</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>No Units</source>
        <translation>Keine Einheiten</translation>
    </message>
    <message>
        <source>Same as Lengths</source>
        <translation>Wie Längen</translation>
    </message>
    <message>
        <source>Nearest %1 in</source>
        <translation>Auf %1 in genau</translation>
    </message>
</context>
<context>
    <name>Zyntra::SheetWindow</name>
    <message>
        <source>Nothing to show yet: type the given values of the figure and press CALCULATE.</source>
        <translation>Noch nichts zu zeigen: Geben Sie die Werte der Figur ein und drücken Sie BERECHNEN.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Calculation Sheet - Zyntra</source>
        <translation>Rechenblatt - Zyntra</translation>
    </message>
    <message>
        <source>Calculation Sheet</source>
        <translation>Rechenblatt</translation>
    </message>
    <message>
        <source>Drawing of the figure</source>
        <translation>Zeichnung der Figur</translation>
    </message>
    <message>
        <source>Values and answers</source>
        <translation>Werte und Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Table steps:</source>
        <translation>&amp;Tabellenstufen:</translation>
    </message>
    <message>
        <source>Nothing to show yet: choose a figure from the Geometry menu.</source>
        <translation>Noch nichts zu zeigen: Wählen Sie eine Figur im Menü Geometrie.</translation>
    </message>
    <message>
        <source>%1, given, %2</source>
        <translation>%1, gegeben, %2</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Formula, with the numbers</source>
        <translation>Formel, mit den Zahlen</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>10 steps of the height</source>
        <translation>10 Stufen der Höhe</translation>
    </message>
    <message>
        <source>every %1</source>
        <translation>alle %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>With the numbers</source>
        <translation>Mit den Zahlen</translation>
    </message>
    <message>
        <source>This sheet has no table of its own to save as .csv.</source>
        <translation>Dieses Blatt hat keine eigene Tabelle, die sich als .csv speichern ließe.</translation>
    </message>
    <message>
        <source>Zyntra saves a sheet as .pdf, .svg or .png, not as &quot;%1&quot;.</source>
        <translation>Zyntra speichert ein Blatt als .pdf, .svg oder .png, nicht als „%1“.</translation>
    </message>
    <message>
        <source>The sheet could not be drawn into the file.</source>
        <translation>Das Blatt konnte nicht in die Datei gezeichnet werden.</translation>
    </message>
    <message>
        <source>Save Calculation Sheet</source>
        <translation>Rechenblatt speichern</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG drawing (*.svg);;PNG picture (*.png);;The table alone, CSV (*.csv)</source>
        <translation>PDF-Dokument (*.pdf);;SVG-Zeichnung (*.svg);;PNG-Bild (*.png);;Nur die Tabelle, CSV (*.csv)</translation>
    </message>
    <message>
        <source>The sheet was not saved to %1: %2</source>
        <translation>Das Blatt wurde nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>Total = %1</source>
        <translation>Summe = %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Nothing to show yet: add a figure&apos;s answer to the composite.</source>
        <translation>Noch nichts zu zeigen: Fügen Sie der zusammengesetzten Figur das Ergebnis einer Figur hinzu.</translation>
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
<context>
    <name>Zyntra::frmComposite</name>
    <message>
        <source>Sign</source>
        <translation>Vorzeichen</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Contribution</source>
        <translation>Beitrag</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Update Part</source>
        <translation>Teil aktualisieren</translation>
    </message>
    <message>
        <source>Change Sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Solve for the total</source>
        <translation>Nach der Summe lösen</translation>
    </message>
    <message>
        <source>Part to change</source>
        <translation>Zu ändernder Teil</translation>
    </message>
    <message>
        <source>Value to change</source>
        <translation>Zu ändernder Wert</translation>
    </message>
    <message>
        <source>Total wanted</source>
        <translation>Gewünschte Summe</translation>
    </message>
    <message>
        <source>&amp;Total wanted:</source>
        <translation>Gewünschte S&amp;umme:</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Save Composite…</source>
        <translation>Figur &amp;speichern…</translation>
    </message>
    <message>
        <source>Save Composite</source>
        <translation>Zusammengesetzte Figur speichern</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Calculation S&amp;heet</source>
        <translation>Rechen&amp;blatt</translation>
    </message>
    <message>
        <source>Calculation Sheet</source>
        <translation>Rechenblatt</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Zusammengesetzte Figur</translation>
    </message>
    <message>
        <source>Composite: %1</source>
        <translation>Zusammengesetzte Figur: %1</translation>
    </message>
    <message>
        <source>There is no calculation to put back: reopen the part (Enter), change it, press CALCULATE, then choose Update Part.</source>
        <translation>Es ist keine Berechnung da, die übernommen werden kann: Öffnen Sie den Teil wieder (Eingabetaste), ändern Sie ihn, drücken Sie BERECHNEN und wählen Sie dann „Teil aktualisieren“.</translation>
    </message>
    <message>
        <source>The part was not updated. %1</source>
        <translation>Der Teil wurde nicht aktualisiert. %1</translation>
    </message>
    <message>
        <source>Total: no parts yet; add an answer of a figure with Ctrl+Shift+A</source>
        <translation>Summe: noch keine Teile; fügen Sie mit Strg+Umschalt+A ein Ergebnis einer Figur hinzu</translation>
    </message>
    <message>
        <source>Total = %1</source>
        <translation>Summe = %1</translation>
    </message>
    <message>
        <source>%1, exactly %2</source>
        <translation>%1, exakt %2</translation>
    </message>
    <message>
        <source>Part %1: %2, count %3, %4, %5 %6</source>
        <translation>Teil %1: %2, Anzahl %3, %4, %5 %6</translation>
    </message>
    <message>
        <source>cut out</source>
        <translation>ausgeschnitten</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>A part&apos;s sign is + to add it or − to cut it out.</source>
        <translation>Das Vorzeichen eines Teils ist + zum Hinzufügen oder − zum Ausschneiden.</translation>
    </message>
    <message>
        <source>A count is a whole number from 1 to %1.</source>
        <translation>Eine Anzahl ist eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>There are no parts to save.</source>
        <translation>Es gibt keine Teile zum Speichern.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>The composite could not be saved.</source>
        <translation>Die zusammengesetzte Figur konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Export Composite</source>
        <translation>Zusammengesetzte Figur exportieren</translation>
    </message>
    <message>
        <source>Export Composite (%1)</source>
        <translation>Zusammengesetzte Figur exportieren (%1)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The composite could not be exported: %1</source>
        <translation>Die zusammengesetzte Figur konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>The total wanted is not a number: %1</source>
        <translation>Die gewünschte Summe ist keine Zahl: %1</translation>
    </message>
</context>
</TS>
