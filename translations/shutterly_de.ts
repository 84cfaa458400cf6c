<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Messages</name>
    <message>
        <source>Choose the day from a calendar (Alt+Down)</source>
        <translation>Den Tag im Kalender wählen (Alt+Unten)</translation>
    </message>
    <message>
        <source>Type a date as %1 or %2</source>
        <translation>Ein Datum als %1 oder %2 eingeben</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Use %1 as the decimal separator</source>
        <translation>Bitte %1 als Dezimaltrennzeichen verwenden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The %1 of %2 must lie between -%3 and %3 degrees</source>
        <translation>Die %1 von %2 muss zwischen -%3 und %3 Grad liegen</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Unable to read %1: its places and options are not shown, and it is left as it is.</source>
        <translation>%1 kann nicht gelesen werden: Seine Orte und Einstellungen werden nicht gezeigt, und die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The light is exported for 1 to %1 days, not %2.</source>
        <translation>Das Licht wird für 1 bis %1 Tage exportiert, nicht für %2.</translation>
    </message>
    <message>
        <source>Only the days of the years %1 to %2 can be exported.</source>
        <translation>Nur die Tage der Jahre %1 bis %2 können exportiert werden.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source> deg. where north = zero, east = 90, west = 270</source>
        <translation> Grad, Nord = 0, Ost = 90, West = 270</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> Grad</translation>
    </message>
    <message>
        <source>%1 = UTC plus %2 hours</source>
        <translation>%1 = UTC plus %2 Stunden</translation>
    </message>
    <message>
        <source>Night time</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Sun azimuth:</source>
        <translation>Sonnenazimut:</translation>
    </message>
    <message>
        <source>Sun elevation:</source>
        <translation>Sonnenhöhe:</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
</context>
<context>
    <name>Tfrm_about</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Tfrm_locations</name>
    <message>
        <source>eg. +34:54:00</source>
        <translation>z. B. +34:54:00</translation>
    </message>
    <message>
        <source>eg. +032:26:00 ie. don&apos;t forget + or -, and degrees must have 3 integers, including preceding zeros if needed</source>
        <translation>z. B. +032:26:00, also das + oder - nicht vergessen, und die Grade brauchen drei Ziffern, wenn nötig mit führenden Nullen</translation>
    </message>
    <message>
        <source>up</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>down</source>
        <translation>runter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
</TS>
