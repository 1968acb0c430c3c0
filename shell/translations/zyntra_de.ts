<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
