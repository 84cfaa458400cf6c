<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AstroPageView</name>
    <message>
        <source>Determining F ratio and effective focal length:</source>
        <translation>Blendenzahl und effektive Brennweite bestimmen:</translation>
    </message>
    <message>
        <source>Barlow lens magnification:</source>
        <translation>Barlowlinse (Faktor):</translation>
    </message>
    <message>
        <source>Telescope focal length (mm):</source>
        <translation>Brennweite Teleskop (mm):</translation>
    </message>
    <message>
        <source>aperture diameter (mm):</source>
        <translation>Öffnung (mm):</translation>
    </message>
    <message>
        <source>Eyepiece focal length (mm):</source>
        <translation>Brennweite Okular (mm):</translation>
    </message>
    <message>
        <source>Camera focal length (35mm):</source>
        <translation>Brennweite Kamera (KB):</translation>
    </message>
    <message>
        <source>Camera lens f/ratio:</source>
        <translation>Blende Kameraobjektiv:</translation>
    </message>
    <message>
        <source>Determining image size and angular sizes</source>
        <translation>Bildgröße und Winkelgrößen bestimmen</translation>
    </message>
    <message>
        <source>Effective focal length (mm):</source>
        <translation>Effektive Brennweite (mm):</translation>
    </message>
    <message>
        <source>Magnification:</source>
        <translation>Vergrößerung:</translation>
    </message>
    <message>
        <source>Angle of view on 35mm film or full frame digital:</source>
        <translation>Bildwinkel bei Kleinbild oder Vollformat:</translation>
    </message>
    <message>
        <source>deg X</source>
        <translation>Grad X</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Full moon diameter as percent of film height:</source>
        <translation>Vollmond in % der Bildhöhe:</translation>
    </message>
    <message>
        <source>%  (moon diameter approx. 0.51degrees)</source>
        <translation>%  (Monddurchmesser ca. 0,51 Grad)</translation>
    </message>
    <message>
        <source>Max. duration untracked to avoid star trails:</source>
        <translation>Max. Zeit ohne Nachführung und Sternspuren:</translation>
    </message>
    <message>
        <source>seconds. (based on 15sec for 50mm lens on 35mm camera)</source>
        <translation>Sekunden (ausgehend von 15 s bei 50 mm an Kleinbild)</translation>
    </message>
    <message>
        <source>Longest untracked exposure with stars still points</source>
        <translation>Längste Belichtung ohne Nachführung mit punktförmigen Sternen</translation>
    </message>
    <message>
        <source>For the effective focal length and the camera lens f-ratio on the left and the camera format of the first page.</source>
        <translation>Für die effektive Brennweite und die Blende des Kameraobjektivs links und das Kameraformat der ersten Seite.</translation>
    </message>
    <message>
        <source>Image width (pixels):</source>
        <translation>Bildbreite (Pixel):</translation>
    </message>
    <message>
        <source>Declination aimed at (degrees):</source>
        <translation>Deklination des Ziels (Grad):</translation>
    </message>
    <message>
        <source>500 rule:</source>
        <translation>500er-Regel:</translation>
    </message>
    <message>
        <source>NPF rule:</source>
        <translation>NPF-Regel:</translation>
    </message>
    <message>
        <source>NPF rule at that declination:</source>
        <translation>NPF-Regel bei dieser Deklination:</translation>
    </message>
</context>
<context>
    <name>BarlowLenses</name>
    <message>
        <source>1x (ie. no Barlow lens)</source>
        <translation>1x (d. h. ohne Barlowlinse)</translation>
    </message>
</context>
<context>
    <name>CalculatorWindowView</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>No printer is installed. Save the printout as a PDF file instead?</source>
        <translation>Es ist kein Drucker eingerichtet. Den Ausdruck stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save printout</source>
        <translation>Ausdruck speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>ColourFilters</name>
    <message>
        <source>(bluish)</source>
        <translation>(bläulich)</translation>
    </message>
    <message>
        <source>(yellowish)</source>
        <translation>(gelblich)</translation>
    </message>
    <message>
        <source>daylight 5500K</source>
        <translation>Tageslicht 5500K</translation>
    </message>
    <message>
        <source>photofloods 3400K</source>
        <translation>Fotolampen 3400K</translation>
    </message>
    <message>
        <source>tungsten 3200K</source>
        <translation>Kunstlicht 3200K</translation>
    </message>
    <message>
        <source>clear blue sky ~10000K</source>
        <translation>klarer blauer Himmel ~10000K</translation>
    </message>
    <message>
        <source>hazy blue sky ~8000K</source>
        <translation>dunstiger blauer Himmel ~8000K</translation>
    </message>
    <message>
        <source>light overcast sky ~7200K</source>
        <translation>leicht bedeckter Himmel ~7200K</translation>
    </message>
    <message>
        <source>heavy overcast 6500K</source>
        <translation>stark bewölkt 6500K</translation>
    </message>
    <message>
        <source>&quot;daylight&quot; flourescent 6500K</source>
        <translation>Leuchtstofflampe „Tageslicht“ 6500K</translation>
    </message>
    <message>
        <source>direct sunlight 10am-3pm 6000K</source>
        <translation>direkte Sonne 10–15 Uhr 6000K</translation>
    </message>
    <message>
        <source>direct sunlight midday 5500K</source>
        <translation>direkte Sonne mittags 5500K</translation>
    </message>
    <message>
        <source>electronic flash 5500K</source>
        <translation>Elektronenblitz 5500K</translation>
    </message>
    <message>
        <source>blue photoflood 4800K</source>
        <translation>blaue Fotolampe 4800K</translation>
    </message>
    <message>
        <source>&quot;cool white&quot; flourescent 4500K</source>
        <translation>Leuchtstofflampe „Kaltweiß“ 4500K</translation>
    </message>
    <message>
        <source>clear flash lamp 4200K</source>
        <translation>klarer Blitzkolben 4200K</translation>
    </message>
    <message>
        <source>&quot;warm white&quot; flourescent 3500K</source>
        <translation>Leuchtstofflampe „Warmweiß“ 3500K</translation>
    </message>
    <message>
        <source>studio lamps 3200K</source>
        <translation>Studiolampen 3200K</translation>
    </message>
    <message>
        <source>1000W tungsten 3000K</source>
        <translation>Glühlampe 1000W 3000K</translation>
    </message>
    <message>
        <source>500W tungsten 2950K</source>
        <translation>Glühlampe 500W 2950K</translation>
    </message>
    <message>
        <source>100W tungsten 2860K</source>
        <translation>Glühlampe 100W 2860K</translation>
    </message>
    <message>
        <source>40W tungsten 2760K</source>
        <translation>Glühlampe 40W 2760K</translation>
    </message>
    <message>
        <source>candle flame 1500K</source>
        <translation>Kerzenflamme 1500K</translation>
    </message>
</context>
<context>
    <name>ComfortText</name>
    <message>
        <source>The apparent temperature is what the model feels: the air temperature corrected for humidity and wind, and in the sun also for the radiation the body absorbs.

The value in the sun is a rough estimate for a model lying horizontal with minimal clothing. It depends on the sun&apos;s elevation, on cloud and smog, on clothing, on posture and on nearby surfaces that reflect sunlight onto the model.

The solar correction factor scales the sun&apos;s share of the estimate (1 takes it in full); tune it by experience.

While &quot;Use calculated&quot; is checked, the sun elevation is filled in automatically from the current position of the sun at the current location.

An altitude of 10 metres above sea level is assumed.</source>
        <translation>Die gefühlte Temperatur ist das, was das Modell empfindet: die Lufttemperatur, korrigiert um Luftfeuchte und Wind, in der Sonne zusätzlich um die Strahlung, die der Körper aufnimmt.

Der Wert in der Sonne ist eine grobe Schätzung für ein liegendes Modell mit sehr wenig Kleidung. Er hängt von der Sonnenhöhe ab, von Wolken und Smog, von Kleidung und Haltung und von Flächen in der Nähe, die Sonnenlicht auf das Modell zurückwerfen.

Der Korrekturfaktor Sonne gewichtet den Anteil der Sonne an der Schätzung (1 rechnet ihn voll ein); passen Sie ihn nach Ihrer Erfahrung an.

Solange „Berechneten Wert nutzen“ angekreuzt ist, wird die Sonnenhöhe automatisch aus dem aktuellen Sonnenstand am aktuellen Ort eingetragen.

Angenommen wird eine Höhe von 10 Metern über dem Meeresspiegel.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The option --limit takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>Die Option --limit nimmt eine ganze Zahl von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>The option --find needs the name of a place.</source>
        <translation>Die Option --find braucht den Namen eines Ortes.</translation>
    </message>
    <message>
        <source>No place of the table matches &apos;%1&apos;.</source>
        <translation>Kein Ort der Tabelle passt zu „%1“.</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos; for --format: use text, csv or ics.</source>
        <translation>Unbekanntes Format „%1“ für --format: verwenden Sie text, csv oder ics.</translation>
    </message>
    <message>
        <source>The days of --date and --days run beyond the year %1.</source>
        <translation>Die Tage von --date und --days reichen über das Jahr %1 hinaus.</translation>
    </message>
    <message>
        <source>The light cannot be computed: %1
</source>
        <translation>Das Licht kann nicht berechnet werden: %1
</translation>
    </message>
    <message>
        <source>The option --days takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>Die Option --days nimmt eine ganze Zahl von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>The option --date takes a date YYYY-MM-DD from %1 to %2, not &apos;%3&apos;.</source>
        <translation>Die Option --date nimmt ein Datum YYYY-MM-DD von %1 bis %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>The latitude %1 of --place lies beyond ±90 degrees.</source>
        <translation>Die Breite %1 von --place liegt jenseits von ±90 Grad.</translation>
    </message>
    <message>
        <source>The longitude %1 of --place lies beyond ±180 degrees.</source>
        <translation>Die Länge %1 von --place liegt jenseits von ±180 Grad.</translation>
    </message>
    <message>
        <source>The stored location &apos;%1&apos; of --place has a latitude beyond ±90 degrees.</source>
        <translation>Der gespeicherte Ort „%1“ von --place hat eine Breite jenseits von ±90 Grad.</translation>
    </message>
    <message>
        <source>The stored location &apos;%1&apos; of --place has a longitude beyond ±180 degrees.</source>
        <translation>Der gespeicherte Ort „%1“ von --place hat eine Länge jenseits von ±180 Grad.</translation>
    </message>
    <message>
        <source>The option --place needs a place: LAT,LON, a stored location or a town.</source>
        <translation>Die Option --place braucht einen Ort: BREITE,LÄNGE, einen gespeicherten Ort oder eine Stadt.</translation>
    </message>
    <message>
        <source>Unknown place &apos;%1&apos; for --place: give LAT,LON, a stored location or a town.</source>
        <translation>Unbekannter Ort „%1“ für --place: geben Sie BREITE,LÄNGE, einen gespeicherten Ort oder eine Stadt an.</translation>
    </message>
    <message>
        <source>Unknown time zone &apos;%1&apos; for --zone.</source>
        <translation>Unbekannte Zeitzone „%1“ für --zone.</translation>
    </message>
    <message>
        <source>The time zone &apos;%1&apos; of %2 is unknown; the light is given in %3.</source>
        <translation>Die Zeitzone „%1“ von %2 ist unbekannt; das Licht wird in %3 angegeben.</translation>
    </message>
    <message>
        <source>The option --moon-lit-below takes a percentage from 0 to 100, not &apos;%1&apos;.</source>
        <translation>Die Option --moon-lit-below nimmt einen Prozentwert von 0 bis 100, nicht „%1“.</translation>
    </message>
    <message>
        <source>The option --core-altitude takes degrees from 0 to 90, not &apos;%1&apos;.</source>
        <translation>Die Option --core-altitude nimmt Grad von 0 bis 90, nicht „%1“.</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos; for --format with --night: use text or csv.</source>
        <translation>Unbekanntes Format „%1“ für --format mit --night: verwenden Sie text oder csv.</translation>
    </message>
    <message>
        <source>The nights of --date and --days run beyond the year %1.</source>
        <translation>Die Nächte von --date und --days reichen über das Jahr %1 hinaus.</translation>
    </message>
    <message>
        <source>The night cannot be computed: %1
</source>
        <translation>Die Nacht kann nicht berechnet werden: %1
</translation>
    </message>
    <message>
        <source>
Try &apos;shutterly --help&apos; for the options.
</source>
        <translation>
„shutterly --help“ zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is a folder.</source>
        <translation>Die Einstellungsdatei „%1“ ist ein Ordner.</translation>
    </message>
    <message>
        <source>The folder of the settings file &apos;%1&apos; does not exist.</source>
        <translation>Der Ordner der Einstellungsdatei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is not a regular file.</source>
        <translation>Die Einstellungsdatei „%1“ ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is larger than 64 MB, too large for a settings file.</source>
        <translation>Die Einstellungsdatei „%1“ ist größer als 64 MB, zu groß für eine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Calculator and almanac for photographers: depth of field, exposure, studio lighting, sun and moon.</source>
        <translation>Rechner und Almanach für Fotografen: Schärfentiefe, Belichtung, Studiolicht, Sonne und Mond.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and exits.</source>
        <translation>Zeigt die Version des Programms und beendet es.</translation>
    </message>
    <message>
        <source>Keeps the settings (moon options and locations) in &lt;file&gt; instead of the usual shutterly.ini.</source>
        <translation>Speichert die Einstellungen (Mondoptionen und Orte) in &lt;Datei&gt; statt in der üblichen shutterly.ini.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Prints the light of the place&apos;s local day(s) (dawns, blue and golden hours, sunrise, sunset, dusks, moonrise, moonset) and exits.</source>
        <translation>Gibt das Licht des Ortes für seine(n) Ortstag(e) aus (Morgendämmerungen, blaue und goldene Stunden, Sonnenaufgang, Sonnenuntergang, Abenddämmerungen, Mondaufgang, Monduntergang) und beendet das Programm.</translation>
    </message>
    <message>
        <source>Prints the night of the place&apos;s local date(s), from noon to noon: the dark sky (sun below -18 degrees, moon down) and when the Milky Way&apos;s core stands high in it, and exits.</source>
        <translation>Gibt die Nacht des Ortes für seine(n) Ortstag(e) aus, von Mittag zu Mittag: den dunklen Himmel (Sonne unter -18 Grad, Mond untergegangen) und wann das Zentrum der Milchstraße darin hoch steht, und beendet das Programm.</translation>
    </message>
    <message>
        <source>With --night: a moon lit less than n per cent of its disc counts as down; default off.</source>
        <translation>Mit --night: Ein Mond, dessen Scheibe zu weniger als n Prozent beleuchtet ist, zählt als untergegangen; ohne Angabe aus.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --night: the altitude in degrees the Milky Way&apos;s core must reach, 0 to 90; default 10.</source>
        <translation>Mit --night: die Höhe in Grad, die das Zentrum der Milchstraße erreichen muss, 0 bis 90; ohne Angabe 10.</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>With --light or --night: LAT,LON in decimal degrees, north and east positive (52.52,13.405), a stored location&apos;s name or a town (Tromso).</source>
        <translation>Mit --light oder --night: BREITE,LÄNGE in Dezimalgrad, Nord und Ost positiv (52.52,13.405), der Name eines gespeicherten Ortes oder eine Stadt (Tromso).</translation>
    </message>
    <message>
        <source>place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>With --light or --night: the place&apos;s local date YYYY-MM-DD; default today there.</source>
        <translation>Mit --light oder --night: das Ortsdatum JJJJ-MM-TT (YYYY-MM-DD); ohne Angabe der heutige Tag dort.</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>With --light or --night: how many days from the date, 1 to 366; default 1.</source>
        <translation>Mit --light oder --night: wie viele Tage ab dem Datum, 1 bis 366; ohne Angabe 1.</translation>
    </message>
    <message>
        <source>With --light or --night: the IANA time zone of the times (Europe/Berlin); default the place&apos;s own, else that of the nearest town.</source>
        <translation>Mit --light oder --night: die IANA-Zeitzone der Zeiten (Europe/Berlin); ohne Angabe die des Ortes, sonst die der nächsten Stadt.</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>With --light: text (default, in your language), csv (one row per event: date,event,local_time,utc_time,azimuth,note,illuminated) or ics (an iCalendar file of the golden and blue hours, sunrise, sunset, moonrise and moonset). With --night: text or csv (date,event,local_time,utc_time,azimuth,altitude,note).</source>
        <translation>Mit --light: text (Standard, in Ihrer Sprache), csv (eine Zeile je Ereignis: date,event,local_time,utc_time,azimuth,note,illuminated) oder ics (eine iCalendar-Datei der goldenen und blauen Stunden, Sonnenaufgang, Sonnenuntergang, Mondaufgang und Monduntergang). Mit --night: text oder csv (date,event,local_time,utc_time,azimuth,altitude,note).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Prints the places of the built-in table whose name or a word of it starts with TEXT, one per line (name, region, country, latitude, longitude east +, zone, population, parted by tabs), and exits.</source>
        <translation>Gibt die Orte der eingebauten Tabelle aus, deren Name oder ein Wort davon mit TEXT beginnt, einen je Zeile (Name, Region, Land, Breite, Länge Ost +, Zone, Einwohner, durch Tabulatoren getrennt), und beendet das Programm.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>With --find: how many places at most, 1 to 1000; default 10.</source>
        <translation>Mit --find: wie viele Orte höchstens, 1 bis 1000; ohne Angabe 10.</translation>
    </message>
    <message>
        <source>Missing value after &apos;--%1&apos;.</source>
        <translation>Nach „--%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: Shutterly opens no files.</source>
        <translation>Unerwartetes Argument „%1“: Shutterly öffnet keine Dateien.</translation>
    </message>
    <message>
        <source>The option --limit belongs to --find.</source>
        <translation>Die Option --limit gehört zu --find.</translation>
    </message>
    <message>
        <source>The options --find and --light cannot be given together.</source>
        <translation>Die Optionen --find und --light können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>The options --find and --night cannot be given together.</source>
        <translation>Die Optionen --find und --night können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>The option --%1 is given more than once.</source>
        <translation>Die Option --%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>The option --settings needs the name of a file.</source>
        <translation>Die Option --settings braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>The options --light and --night cannot be given together.</source>
        <translation>Die Optionen --light und --night können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>The option --%1 belongs to --night.</source>
        <translation>Die Option --%1 gehört zu --night.</translation>
    </message>
    <message>
        <source>The option --%1 belongs to --light or --night.</source>
        <translation>Die Option --%1 gehört zu --light oder --night.</translation>
    </message>
    <message>
        <source>The option --%1 needs --place.</source>
        <translation>Die Option --%1 braucht --place.</translation>
    </message>
    <message>
        <source>The argument &apos;%1&apos; is not valid text in this system&apos;s encoding, so Shutterly cannot tell which file it names.</source>
        <translation>Das Argument „%1“ ist in der Zeichenkodierung dieses Systems kein gültiger Text, daher kann Shutterly nicht erkennen, welche Datei es bezeichnet.</translation>
    </message>
    <message>
        <source>Shutterly needs a graphical desktop session and none was found; to start it without one, run it under a virtual display: xvfb-run -a %1
</source>
        <translation>Shutterly braucht eine grafische Desktop-Sitzung, und es wurde keine gefunden; um es ohne eine zu starten, führen Sie es in einer virtuellen Anzeige aus: xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Shutterly is already running with %1; its window is brought to the front.
</source>
        <translation>Shutterly läuft bereits mit %1; sein Fenster wird nach vorn geholt.
</translation>
    </message>
    <message>
        <source>Shutterly is already running with %1.
</source>
        <translation>Shutterly läuft bereits mit %1.
</translation>
    </message>
</context>
<context>
    <name>ConversionsPageView</name>
    <message>
        <source>Colour temperature filters:</source>
        <translation>Konversionsfilter:</translation>
    </message>
    <message>
        <source>Film/sensor colour temperature:</source>
        <translation>Farbtemperatur Film/Sensor:</translation>
    </message>
    <message>
        <source>light source colour temperature:</source>
        <translation>Farbtemperatur Lichtquelle:</translation>
    </message>
    <message>
        <source>Mired shift = [(1/temp1) - (1/temp2)] x 1000000    NB. this does not use the CC type filters</source>
        <translation>Mired-Verschiebung = [(1/Temp1) - (1/Temp2)] x 1000000    Hinweis: ohne CC-Filter</translation>
    </message>
    <message>
        <source>thus need filter:</source>
        <translation>also nötiger Filter:</translation>
    </message>
    <message>
        <source>Flash GN conversions</source>
        <translation>Leitzahl umrechnen</translation>
    </message>
    <message>
        <source>Flash guide number:</source>
        <translation>Leitzahl des Blitzes:</translation>
    </message>
    <message>
        <source>ISO setting:</source>
        <translation>ISO-Wert:</translation>
    </message>
    <message>
        <source>Power setting:</source>
        <translation>Leistungsstufe:</translation>
    </message>
    <message>
        <source>GN:</source>
        <translation>LZ:</translation>
    </message>
    <message>
        <source>Flash distance or f/ratio calculator</source>
        <translation>Blitzabstand oder Blende berechnen</translation>
    </message>
    <message>
        <source>flash to subject distance in units of GN:</source>
        <translation>Abstand Blitz–Motiv (Einheit der LZ):</translation>
    </message>
    <message>
        <source>f/ratio to use:</source>
        <translation>nötige Blende:</translation>
    </message>
    <message>
        <source>f/ratio you wish to use:</source>
        <translation>gewünschte Blende:</translation>
    </message>
    <message>
        <source>distance to use:</source>
        <translation>nötiger Abstand:</translation>
    </message>
</context>
<context>
    <name>Documentation</name>
    <message>
        <source>THE ZONE SYSTEM

A reflected-light meter does not know what it is looking at. Whatever it measures - a white wedding dress, a grey stone wall or a black cat - it suggests the exposure that would render that surface as a middle grey, reflecting about 18% of the light. A bright subject metered directly therefore comes out too dark, and a dark subject too light. The zone system lets you decide where a metered tone should fall instead of leaving it to the meter.

The tonal range from pure black to pure white is divided into eleven zones, each one stop (twice the light) apart. Meter the area you care about, then open up or stop down by the number of zones you want it to move from Zone V.

Zone 0    Pure black of the print or file, no detail at all.
Zone I    Near black, a trace of tone but no texture.
Zone II   First hint of texture in the deepest shadows.
Zone III  Dark materials with full texture; the darkest shadow that must keep detail.
Zone IV   Open shadow on a sunlit landscape, dark foliage, dark stone, shadowed skin.
Zone V    Middle grey: the meter&apos;s answer. Grey card, weathered wood, dark skin, clear north sky.
Zone VI   Average light skin in sun, shadows on snow in sunlight, light stone.
Zone VII  Very light skin, light grey or pale materials with full texture.
Zone VIII Highest zone with texture: textured snow, white fabric with its weave.
Zone IX   Glaring white surfaces, snow in flat sunlight; tone without texture.
Zone X    Pure white of the paper or file: light sources and specular reflections.

Example: to keep detail in a snowfield, meter it and open up two stops so that it falls on Zone VII rather than turning grey on Zone V. To hold texture in a dark coat, meter it and stop down two stops to place it on Zone III.

Digital sensors clip highlights abruptly, so expose for the brightest zone that must keep detail and check the histogram.</source>
        <translation>DAS ZONENSYSTEM

Ein Belichtungsmesser, der das vom Motiv zurückgeworfene Licht misst, weiß nicht, was er vor sich hat. Was immer er misst – ein weißes Brautkleid, eine graue Steinmauer oder eine schwarze Katze –, er schlägt die Belichtung vor, die diese Fläche als Mittelgrau wiedergeben würde, das etwa 18 % des Lichts reflektiert. Ein helles Motiv, direkt angemessen, wird deshalb zu dunkel, ein dunkles zu hell. Mit dem Zonensystem entscheiden Sie selbst, wo ein gemessener Tonwert liegen soll, statt es dem Belichtungsmesser zu überlassen.

Der Tonwertumfang von reinem Schwarz bis reinem Weiß ist in elf Zonen eingeteilt, die jeweils eine Blendenstufe (die doppelte Lichtmenge) auseinanderliegen. Messen Sie den Bereich an, auf den es Ihnen ankommt, und blenden Sie dann um so viele Stufen auf oder ab, wie er sich von Zone V entfernen soll.

Zone 0    Reines Schwarz des Abzugs oder der Datei, keinerlei Zeichnung.
Zone I    Fast schwarz, eine Spur von Tonwert, aber keine Struktur.
Zone II   Erste Andeutung von Struktur in den tiefsten Schatten.
Zone III  Dunkle Materialien mit voller Struktur; der dunkelste Schatten, der noch Zeichnung haben muss.
Zone IV   Offene Schatten in sonniger Landschaft, dunkles Laub, dunkler Stein, Haut im Schatten.
Zone V    Mittelgrau: der Vorschlag des Belichtungsmessers. Graukarte, verwittertes Holz, dunkle Haut, klarer Nordhimmel.
Zone VI   Durchschnittliche helle Haut in der Sonne, Schatten auf Schnee im Sonnenlicht, heller Stein.
Zone VII  Sehr helle Haut, hellgraue oder blasse Materialien mit voller Struktur.
Zone VIII Höchste Zone mit Struktur: Schnee mit Oberflächenstruktur, weißer Stoff mit sichtbarem Gewebe.
Zone IX   Gleißend weiße Flächen, Schnee in schattenlosem Sonnenlicht; Tonwert ohne Struktur.
Zone X    Reines Weiß des Papiers oder der Datei: Lichtquellen und spiegelnde Glanzlichter.

Beispiel: Um in einem Schneefeld Zeichnung zu behalten, messen Sie es an und blenden zwei Stufen auf, sodass es auf Zone VII fällt, statt auf Zone V grau zu werden. Um die Struktur eines dunklen Mantels zu halten, messen Sie ihn an und blenden zwei Stufen ab, um ihn auf Zone III zu legen.

Bei digitalen Sensoren fressen die Lichter schlagartig aus; belichten Sie daher auf die hellste Zone, die noch Zeichnung haben muss, und prüfen Sie das Histogramm.</translation>
    </message>
    <message>
        <source>USING THE DOF AND LIGHTING PAGE

1. Choose your camera format first. It sets the circle of confusion and the crop factor used by every other result.
2. Enter the actual focal length of the lens and the f-ratio you intend to use, then the focus distance. The depth of field, hyperfocal distance, angle of view and the area covered at the subject and at the background follow at once.
3. Set the ISO of film or sensor and any filter on the lens; the effective ISO accounts for the filter&apos;s light loss.
4. Enter the guide number of each light in metres at ISO 100 and its power setting. The guide numbers at your effective ISO are shown beside them.
5. Choose the fill ratio with the fill slider: the program works out how far the fill light has to stand. Do the same for the hair light with its exposure slider.
6. Now either move the main-light distance slider, which sets the f-ratio, or type the f-ratio you want and press the update button, which moves the main light to the matching distance.

Reflector as fill: tick the reflector box to bounce the main light off a reflector instead of using a second flash. Enter the reflector&apos;s loss in stops; the reflector is assumed to stand as far from the main light as the main light stands from the subject. When no distance can give the ratio you asked for, the page says &quot;Not possible&quot;.

Ambient light: choose the kind of ambient light and an adjustment in stops; the page shows the shutter speed that would expose the ambient light correctly at your f-ratio and ISO. A slower speed brings more of the surroundings into a flash picture.

Background: choose what lights the background and how far it stands behind the subject. The background&apos;s exposure relative to the subject is shown in stops, and the square behind the portrait is shaded to match. Right-click the colour strip (or use Edit &gt; Change background colour) to pick your backdrop&apos;s colour.

Limits of the model: distances move in quarter-metre steps and results are rounded, so expect small differences from a flash meter. Light bouncing off walls and ceilings is ignored, as is any overlap of main and fill light on the subject. Treat the results as a starting point and confirm with a test exposure.</source>
        <translation>BEDIENUNG DER SEITE SCHÄRFENTIEFE UND BELEUCHTUNG

1. Wählen Sie zuerst Ihr Kameraformat. Es bestimmt den Zerstreuungskreis und den Crop-Faktor, mit denen alle anderen Ergebnisse rechnen.
2. Geben Sie die tatsächliche Brennweite des Objektivs und die vorgesehene Blendenzahl ein, danach die Einstellentfernung. Schärfentiefe, hyperfokale Distanz, Bildwinkel und die erfasste Fläche am Motiv und am Hintergrund erscheinen sofort.
3. Stellen Sie die ISO-Empfindlichkeit von Film oder Sensor und einen eventuellen Filter vor dem Objektiv ein; die effektive ISO berücksichtigt den Lichtverlust des Filters.
4. Geben Sie für jedes Blitzgerät die Leitzahl in Metern bei ISO 100 und die eingestellte Leistungsstufe ein. Daneben stehen die Leitzahlen bei Ihrer effektiven ISO.
5. Wählen Sie das Aufhellverhältnis mit dem Schieberegler für das Aufhelllicht: Das Programm berechnet, wie weit entfernt das Aufhelllicht stehen muss. Verfahren Sie ebenso mit dem Haarlicht und seinem Schieberegler für die Belichtung.
6. Verschieben Sie nun entweder den Schieberegler für die Entfernung des Hauptlichts, der die Blendenzahl bestimmt, oder geben Sie die gewünschte Blendenzahl ein und klicken Sie auf die Schaltfläche zum Aktualisieren, die das Hauptlicht in die passende Entfernung rückt.

Reflektor als Aufhellung: Setzen Sie das Häkchen beim Reflektor, um das Hauptlicht zur Aufhellung über einen Reflektor zurückzuwerfen, statt einen zweiten Blitz zu verwenden. Geben Sie den Lichtverlust des Reflektors in Blendenstufen ein; angenommen wird, dass der Reflektor so weit vom Hauptlicht entfernt steht wie das Hauptlicht vom Motiv. Lässt sich das gewünschte Verhältnis mit keiner Entfernung erreichen, zeigt die Seite „Nicht möglich“.

Umgebungslicht: Wählen Sie die Art des Umgebungslichts und eine Korrektur in Blendenstufen; die Seite zeigt die Verschlusszeit, mit der das Umgebungslicht bei Ihrer Blendenzahl und ISO richtig belichtet würde. Eine längere Verschlusszeit holt mehr von der Umgebung ins Blitzfoto.

Hintergrund: Wählen Sie, was den Hintergrund beleuchtet und wie weit er hinter dem Motiv steht. Die Belichtung des Hintergrunds relativ zum Motiv wird in Blendenstufen angezeigt, und das Quadrat hinter dem Porträt wird entsprechend abgetönt. Klicken Sie mit der rechten Maustaste auf den Farbstreifen (oder wählen Sie Bearbeiten &gt; Hintergrundfarbe ändern), um die Farbe Ihres Hintergrunds festzulegen.

Grenzen des Modells: Entfernungen ändern sich in Schritten von einem Viertelmeter, und die Ergebnisse sind gerundet; rechnen Sie also mit kleinen Abweichungen gegenüber einem Blitzbelichtungsmesser. Licht, das von Wänden und Decken zurückgeworfen wird, bleibt unberücksichtigt, ebenso jede Überlagerung von Haupt- und Aufhelllicht auf dem Motiv. Betrachten Sie die Ergebnisse als Ausgangspunkt und prüfen Sie sie mit einer Probebelichtung.</translation>
    </message>
    <message>
        <source>Shutterly: questions, corrections and ideas are welcome on the project&apos;s web site.</source>
        <translation>Shutterly: Fragen, Korrekturen und Ideen sind auf der Website des Projekts willkommen.</translation>
    </message>
    <message>
        <source>EXPOSURE VALUE (EV)

An exposure value names every combination of shutter time and f-ratio that lets the same amount of light reach the film or sensor. EV 0 is an exposure of 1 second at f/1.0 with ISO 100. Each step up halves the light: EV 1 is 1/2 second at f/1.0 or 1 second at f/1.4, and so on.

THE ADDITIVE SYSTEM: S + L = A + T

Each of the four things that decide an exposure gets a value on a scale of stops, and a correct exposure is one where Speed + Light = Aperture + Time.

Speed (S):    ISO 100 is 5; every doubling of the ISO adds 1 (ISO 200 is 6, ISO 400 is 7).
Light (L):    bright sunlight is 10; every halving of the light takes 1 away.
Aperture (A): f/1 is 0, f/1.4 is 1, f/2 is 2, f/4 is 4, f/8 is 6, f/16 is 8.
Time (T):     1 second is 0, 1/2 s is 1, 1/125 s is 7, 1/1000 s is 10.

The exposure value at ISO 100 is A + T, which is the same as L + 5. Bright sunlight at ISO 100 is therefore 15 EV: for example f/5.6 (A = 5) at 1/1000 s (T = 10).

A light twice as far away from the subject gives a quarter of the light on it, so its light value drops by 2.

TYPICAL LIGHT VALUES

Bright sunlight                          10
Hazy sunlight, soft shadows               9
Cloudy bright, no shadows                 8
Heavy overcast                            7
Open shade on a sunny day                 6
Bright indoor lighting                    5
Average indoor lighting                   4
Brightly lit street at night              3
Dim interior, home lighting at night      1 to 2
Floodlit buildings and monuments         -2 to 0
Candle light, subject near the flame     -2 to -5
Bright stars                             -7 to -8
Deep-sky objects (nebulae, galaxies)    -11 to -12

RECIPROCITY FAILURE OF FILM

Film grows less sensitive in long exposures, so the metered exposure has to be lengthened. Typical corrections (they differ from film to film; digital sensors do not need them):

Metered 1/10 s     add 0.5 stop
Metered 1 s        add 1 stop
Metered 10 s       add 1.5 to 2 stops
Metered 120 s      add 2.5 to 3 stops

ILLUMINANCE

Illuminance is the luminous flux falling on a unit of surface: lumens per square metre, called lux (one foot-candle, a lumen per square foot, is about 10.76 lux).

Inverse-square law: the illuminance from a point source falls with the square of the distance, E = I / d squared, where I is the intensity of the source in candela and d the distance in metres.

Cosine law: light that strikes a surface at an angle spreads over a larger area, so the illuminance is multiplied by the cosine of the angle between the light and the surface&apos;s perpendicular: E = I cos(angle) / d squared.
</source>
        <translation>BELICHTUNGSWERT (EV)

Ein Belichtungswert bezeichnet alle Kombinationen aus Verschlusszeit und Blendenzahl, die dieselbe Lichtmenge auf Film oder Sensor gelangen lassen. EV 0 ist eine Belichtung von 1 Sekunde bei f/1.0 und ISO 100. Jede Stufe nach oben halbiert das Licht: EV 1 ist 1/2 Sekunde bei f/1.0 oder 1 Sekunde bei f/1.4 und so weiter.

DAS ADDITIVE SYSTEM: S + L = A + T

Jede der vier Größen, die eine Belichtung bestimmen, erhält einen Wert auf einer Skala in Blendenstufen, und eine Belichtung ist richtig, wenn S + L = A + T gilt, also Empfindlichkeit + Licht = Blende + Zeit.

Empfindlichkeit (S): ISO 100 entspricht 5; jede Verdopplung der ISO addiert 1 (ISO 200 entspricht 6, ISO 400 entspricht 7).
Licht (L):           helles Sonnenlicht entspricht 10; jede Halbierung des Lichts zieht 1 ab.
Blende (A):          f/1 entspricht 0, f/1.4 entspricht 1, f/2 entspricht 2, f/4 entspricht 4, f/8 entspricht 6, f/16 entspricht 8.
Zeit (T):            1 Sekunde entspricht 0, 1/2 s entspricht 1, 1/125 s entspricht 7, 1/1000 s entspricht 10.

Der Belichtungswert bei ISO 100 ist A + T, und das ist dasselbe wie L + 5. Helles Sonnenlicht bei ISO 100 ergibt daher 15 EV: zum Beispiel f/5.6 (A = 5) bei 1/1000 s (T = 10).

Steht eine Lichtquelle doppelt so weit vom Motiv entfernt, fällt nur ein Viertel ihres Lichts darauf; ihr Lichtwert L sinkt also um 2.

TYPISCHE LICHTWERTE (L)

Helles Sonnenlicht                       10
Dunstige Sonne, weiche Schatten           9
Hell bewölkt, keine Schatten              8
Stark bedeckter Himmel                    7
Offener Schatten an einem Sonnentag       6
Helle Innenbeleuchtung                    5
Normale Innenbeleuchtung                  4
Hell beleuchtete Straße bei Nacht         3
Dunkler Innenraum, Wohnlicht abends       1 bis 2
Angestrahlte Gebäude und Denkmäler       -2 bis 0
Kerzenlicht, Motiv nahe der Flamme       -2 bis -5
Helle Sterne                             -7 bis -8
Deep-Sky-Objekte (Nebel, Galaxien)      -11 bis -12

DER SCHWARZSCHILD-EFFEKT BEI FILM

Film wird bei langen Belichtungszeiten weniger empfindlich, deshalb muss die gemessene Belichtung verlängert werden. Typische Korrekturen (sie sind von Film zu Film verschieden; digitale Sensoren brauchen sie nicht):

Gemessen 1/10 s     0,5 Blendenstufen zugeben
Gemessen 1 s        1 Blendenstufe zugeben
Gemessen 10 s       1,5 bis 2 Blendenstufen zugeben
Gemessen 120 s      2,5 bis 3 Blendenstufen zugeben

BELEUCHTUNGSSTÄRKE

Die Beleuchtungsstärke ist der Lichtstrom, der auf eine Flächeneinheit fällt: Lumen pro Quadratmeter, genannt Lux (eine Footcandle, ein Lumen pro Quadratfuß, entspricht etwa 10,76 Lux).

Abstandsgesetz: Die Beleuchtungsstärke einer punktförmigen Lichtquelle nimmt mit dem Quadrat der Entfernung ab, E = I / d², wobei I die Lichtstärke der Quelle in Candela und d die Entfernung in Metern ist.

Kosinusgesetz: Licht, das schräg auf eine Fläche trifft, verteilt sich auf eine größere Fläche; die Beleuchtungsstärke wird daher mit dem Kosinus des Winkels zwischen dem Licht und der Senkrechten auf der Fläche multipliziert: E = I cos(Winkel) / d².
</translation>
    </message>
    <message>
        <source>MAGNIFICATION

Magnification is the size of the image on the film or sensor divided by the size of the subject. With extension tubes or bellows it is also the extension divided by the focal length of the lens: a 50 mm lens on 25 mm of extension gives 0.5x.

Life size (1:1) needs an extension equal to the focal length. The subject is then four focal lengths from the film (two in front of the lens, two behind it), and the exposure has to be increased by 2 stops.

EXPOSURE COMPENSATION

Extension spreads the light over a larger image, so less of it reaches each point. A meter behind the lens takes this into account; with a separate meter or flash add:

    stops = log[(f + extension) / f] / log(square root of 2)

DEPTH OF FIELD AT f/11

Depth of field at close range depends almost only on magnification and f-ratio, not on the focal length. Typical total ranges at f/11:

Magnification    Depth of field
0.1x             50 mm
0.2x             15 mm
0.5x             3 mm
1x               1 mm
2x               0.4 mm
3x               0.2 mm

Stopping down by two stops (from f/11 to f/22) doubles these ranges.
</source>
        <translation>ABBILDUNGSMASSSTAB

Der Abbildungsmaßstab ist die Größe des Bildes auf Film oder Sensor geteilt durch die Größe des Motivs. Mit Zwischenringen oder Balgengerät ist er auch die Auszugsverlängerung geteilt durch die Brennweite des Objektivs: Ein 50-mm-Objektiv mit 25 mm Auszugsverlängerung ergibt 0,5x.

Lebensgröße (1:1) erfordert eine Auszugsverlängerung gleich der Brennweite. Das Motiv ist dann vier Brennweiten vom Film entfernt (zwei vor dem Objektiv, zwei dahinter), und die Belichtung muss um 2 Blendenstufen erhöht werden.

BELICHTUNGSKORREKTUR

Der Auszug verteilt das Licht auf ein größeres Bild, sodass jeder Bildpunkt weniger davon erreicht. Eine Messung durch das Objektiv (TTL) berücksichtigt das; bei einem separaten Belichtungsmesser oder bei Blitzlicht geben Sie zu:

    Blendenstufen = log[(f + Auszugsverlängerung) / f] / log(√2)

SCHÄRFENTIEFE BEI f/11

Im Nahbereich hängt die Schärfentiefe fast nur vom Abbildungsmaßstab und von der Blendenzahl ab, nicht von der Brennweite. Typische Gesamtwerte bei f/11:

Abbildungsmaßstab  Schärfentiefe
0,1x               50 mm
0,2x               15 mm
0,5x               3 mm
1x                 1 mm
2x                 0,4 mm
3x                 0,2 mm

Abblenden um zwei Stufen (von f/11 auf f/22) verdoppelt diese Werte.
</translation>
    </message>
    <message>
        <source>METHODS OF PHOTOGRAPHING THROUGH A TELESCOPE

Prime focus: the camera body, without its lens, takes the place of the eyepiece. The telescope is the lens; its focal length and f-ratio are the effective ones.

Negative projection: as prime focus, with a Barlow lens in front of the camera body. The Barlow lens multiplies the focal length and the f-ratio by its factor.

Afocal method (also called digiscoping): the camera, with its own lens, looks through the telescope&apos;s eyepiece. The effective focal length is the camera&apos;s focal length times the telescope&apos;s magnification. The camera&apos;s aperture cannot use more light than leaves the eyepiece: it is limited by the telescope&apos;s exit pupil, which is the telescope&apos;s aperture divided by its magnification.

Positive projection: as negative projection, but with an eyepiece instead of the Barlow lens projecting the image onto the camera body.

ATMOSPHERIC EXTINCTION

Near the horizon the light passes through much more air and is dimmed. The loss is in magnitudes; the factor multiplies the film or sensor speed, so that ISO 400 at 5 degrees works like ISO 119:

Altitude   Loss (mag)   Factor on ISO
0.75 deg   8.78         0.00032
1 deg      6.58         0.0024
1.5 deg    4.39         0.018
2 deg      3.29         0.049
5 deg      1.32         0.298
10 deg     0.66         0.546
15 deg     0.44         0.671
20 deg     0.33         0.739

APPROXIMATE EXPOSURES AT f/8 AND ISO 400

Venus               1/4000 s
Jupiter             1/1000 s
Mars                1/125 s
Saturn              1/60 s
Galilean moons      1 s

Bracket generously: the planets&apos; brightness changes with their distance and phase, and the seeing and the height above the horizon change it further.
</source>
        <translation>METHODEN DER FOTOGRAFIE DURCH DAS TELESKOP

Fokalfotografie (Primärfokus): Das Kameragehäuse ohne Objektiv tritt an die Stelle des Okulars. Das Teleskop ist das Objektiv; seine Brennweite und sein Öffnungsverhältnis sind die wirksamen Werte.

Negativprojektion: wie die Fokalfotografie, aber mit einer Barlowlinse vor dem Kameragehäuse. Die Barlowlinse multipliziert Brennweite und Öffnungsverhältnis mit ihrem Faktor.

Afokale Methode (auch Digiscoping genannt): Die Kamera blickt mit ihrem eigenen Objektiv durch das Okular des Teleskops. Die wirksame Brennweite ist die Brennweite der Kamera mal die Vergrößerung des Teleskops. Die Blende der Kamera kann nicht mehr Licht nutzen, als aus dem Okular austritt: Sie wird durch die Austrittspupille des Teleskops begrenzt, also die Öffnung des Teleskops geteilt durch seine Vergrößerung.

Positivprojektion (Okularprojektion): wie die Negativprojektion, aber statt der Barlowlinse projiziert ein Okular das Bild ins Kameragehäuse.

ATMOSPHÄRISCHE EXTINKTION

In Horizontnähe durchläuft das Licht viel mehr Luft und wird abgeschwächt. Der Verlust wird in Größenklassen (mag) angegeben; mit dem Faktor wird die Empfindlichkeit von Film oder Sensor multipliziert, sodass ISO 400 bei 5 Grad Höhe wie ISO 119 wirkt:

Höhe       Verlust (mag)   Faktor für ISO
0,75°      8,78            0,00032
1°         6,58            0,0024
1,5°       4,39            0,018
2°         3,29            0,049
5°         1,32            0,298
10°        0,66            0,546
15°        0,44            0,671
20°        0,33            0,739

UNGEFÄHRE BELICHTUNGSZEITEN BEI f/8 UND ISO 400

Venus               1/4000 s
Jupiter             1/1000 s
Mars                1/125 s
Saturn              1/60 s
Galileische Monde   1 s

Machen Sie großzügige Belichtungsreihen: Die Helligkeit der Planeten ändert sich mit ihrer Entfernung und Phase, und das Seeing und die Höhe über dem Horizont verändern sie zusätzlich.
</translation>
    </message>
</context>
<context>
    <name>DofPageView</name>
    <message>
        <source>Camera, lens and depth of field</source>
        <translation>Kamera, Objektiv und Schärfentiefe</translation>
    </message>
    <message>
        <source>Camera film/sensor size:</source>
        <translation>Film-/Sensorformat:</translation>
    </message>
    <message>
        <source>sensor width (mm): </source>
        <translation>Sensorbreite (mm): </translation>
    </message>
    <message>
        <source>height (mm):</source>
        <translation>Höhe (mm):</translation>
    </message>
    <message>
        <source>Lens actual focal length (mm):</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>F/ratio:</source>
        <translation>Blende f/:</translation>
    </message>
    <message>
        <source>Focus distance (m):</source>
        <translation>Fokusentfernung (m):</translation>
    </message>
    <message>
        <source>ISO setting:</source>
        <translation>ISO-Wert:</translation>
    </message>
    <message>
        <source>Lens filter:</source>
        <translation>Objektivfilter:</translation>
    </message>
    <message>
        <source>Effective ISO:</source>
        <translation>Effektive ISO:</translation>
    </message>
    <message>
        <source>Circle of confusion (µm):</source>
        <translation>Zerstreuungskreis (µm):</translation>
    </message>
    <message>
        <source>Equiv. 35mm crop factor:</source>
        <translation>Cropfaktor (zu KB):</translation>
    </message>
    <message>
        <source>35mm equiv. fl (mm)</source>
        <translation>KB-äquiv. Brennweite (mm)</translation>
    </message>
    <message>
        <source>Angle of view:</source>
        <translation>Bildwinkel:</translation>
    </message>
    <message>
        <source>Subject size:</source>
        <translation>Motivfeld:</translation>
    </message>
    <message>
        <source>background size on film:</source>
        <translation>Hintergrund auf dem Film:</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>Hyperfocal distance (m):</source>
        <translation>Hyperfokale Distanz (m):</translation>
    </message>
    <message>
        <source>All should be sharp from:</source>
        <translation>Alles scharf ab:</translation>
    </message>
    <message>
        <source>Near DOF:</source>
        <translation>Nahgrenze:</translation>
    </message>
    <message>
        <source>Far DOF:</source>
        <translation>Ferngrenze:</translation>
    </message>
    <message>
        <source>DOF range (m):</source>
        <translation>Schärfentiefe (m):</translation>
    </message>
    <message>
        <source>at ISO:</source>
        <translation>bei ISO:</translation>
    </message>
    <message>
        <source>Effective GN (m)  at ISO 100:</source>
        <translation>Effektive LZ (m)  bei ISO 100:</translation>
    </message>
    <message>
        <source>Power setting:</source>
        <translation>Leistungsstufe:</translation>
    </message>
    <message>
        <source>88.75 metres</source>
        <translation>88,75 Meter</translation>
    </message>
    <message>
        <source>-10.5 stops</source>
        <translation>-10,5 Blenden</translation>
    </message>
    <message>
        <source>Not possible</source>
        <translation>Nicht möglich</translation>
    </message>
    <message>
        <source>Main light</source>
        <translation>Hauptlicht</translation>
    </message>
    <message>
        <source>Set distance and f ratio and all related settings will be calculated</source>
        <translation>Abstand und Blende einstellen, alles Weitere wird berechnet</translation>
    </message>
    <message>
        <source>Distance to subject:</source>
        <translation>Abstand zum Motiv:</translation>
    </message>
    <message>
        <source>Fill light</source>
        <translation>Aufhelllicht</translation>
    </message>
    <message>
        <source>Set fill ratio and distance will be calculated</source>
        <translation>Aufhellverhältnis einstellen, der Abstand wird berechnet</translation>
    </message>
    <message>
        <source>Reflector from Main as the fill</source>
        <translation>Reflektor (vom Hauptlicht) als Aufhellung</translation>
    </message>
    <message>
        <source>Fill ratio:</source>
        <translation>Aufhellverhältnis:</translation>
    </message>
    <message>
        <source>Fill meter reading f/</source>
        <translation>Messwert Aufhellung f/</translation>
    </message>
    <message>
        <source>Hair light</source>
        <translation>Haarlicht</translation>
    </message>
    <message>
        <source>Set hair exposure then the distance to achieve this will be calculated</source>
        <translation>Belichtung des Haarlichts einstellen, der nötige Abstand wird berechnet</translation>
    </message>
    <message>
        <source>Hair exposure:</source>
        <translation>Haarbelichtung:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Hair meter reading f/</source>
        <translation>Messwert Haarlicht f/</translation>
    </message>
    <message>
        <source>Background and ambient light</source>
        <translation>Hintergrund und Umgebungslicht</translation>
    </message>
    <message>
        <source>background lit by:</source>
        <translation>Hintergrund beleuchtet mit:</translation>
    </message>
    <message>
        <source>Light to background:</source>
        <translation>Licht–Hintergrund:</translation>
    </message>
    <message>
        <source>Subject to background:</source>
        <translation>Motiv–Hintergrund:</translation>
    </message>
    <message>
        <source>Background exposure:</source>
        <translation>Hintergrundbelichtung:</translation>
    </message>
    <message>
        <source>Background colour:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Ambient light:</source>
        <translation>Umgebungslicht:</translation>
    </message>
    <message>
        <source>Ambient adjustment:</source>
        <translation>Umgebungskorrektur:</translation>
    </message>
    <message>
        <source>Ambient shutter speed:</source>
        <translation>Verschlusszeit Umgebung:</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>NB. currently these calculations assume no overlap between fill and main lights on subject</source>
        <translation>Hinweis: Die Berechnung geht bisher davon aus, dass sich Haupt- und Aufhelllicht auf dem Motiv nicht überlagern</translation>
    </message>
</context>
<context>
    <name>ExposurePageView</name>
    <message>
        <source>Determine EV at ISO 100</source>
        <translation>EV bei ISO 100 bestimmen</translation>
    </message>
    <message>
        <source>Shutter speed:</source>
        <translation>Verschlusszeit:</translation>
    </message>
    <message>
        <source>f/ratio you wish to use:</source>
        <translation>gewünschte Blende:</translation>
    </message>
    <message>
        <source>ISO setting:</source>
        <translation>ISO-Wert:</translation>
    </message>
    <message>
        <source>exposure value:</source>
        <translation>Belichtungswert:</translation>
    </message>
    <message>
        <source>S+L=A+T system:        Time: </source>
        <translation>S+L=A+T-System:        Zeit: </translation>
    </message>
    <message>
        <source>+      Aperture: </source>
        <translation>+      Blende: </translation>
    </message>
    <message>
        <source>=       Speed:</source>
        <translation>=       Empfindlichkeit:</translation>
    </message>
    <message>
        <source>+       Light value: </source>
        <translation>+       Lichtwert: </translation>
    </message>
    <message>
        <source>Determine exposure settings given an ambient Light value:</source>
        <translation>Belichtung aus dem Lichtwert des Umgebungslichts bestimmen:</translation>
    </message>
    <message>
        <source>ambient light LV:</source>
        <translation>Lichtwert (LW) Umgebung:</translation>
    </message>
    <message>
        <source>shutter speed to use:</source>
        <translation>nötige Verschlusszeit:</translation>
    </message>
    <message>
        <source>or, shutter speed you wish to use:</source>
        <translation>oder gewünschte Verschlusszeit:</translation>
    </message>
    <message>
        <source>f/ratio to use:</source>
        <translation>nötige Blende:</translation>
    </message>
    <message>
        <source>NB. the above DO NOT take into account reciprocity failure of films which effects exposures longer than 1/10th sec  but this is not an issue with digital cameras</source>
        <translation>Hinweis: Diese Werte berücksichtigen NICHT den Schwarzschild-Effekt von Filmen, der Belichtungen über 1/10 s betrifft; bei Digitalkameras spielt er keine Rolle</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>focal length</source>
        <translation>Die Brennweite</translation>
    </message>
    <message>
        <source>f-ratio</source>
        <translation>Die Blende</translation>
    </message>
    <message>
        <source>focus distance</source>
        <translation>Die Fokusentfernung</translation>
    </message>
    <message>
        <source>main light&apos;s guide number</source>
        <translation>Die Leitzahl des Hauptlichts</translation>
    </message>
    <message>
        <source>fill light&apos;s guide number</source>
        <translation>Die Leitzahl des Aufhelllichts</translation>
    </message>
    <message>
        <source>hair light&apos;s guide number</source>
        <translation>Die Leitzahl des Haarlichts</translation>
    </message>
    <message>
        <source>background light&apos;s guide number</source>
        <translation>Die Leitzahl des Hintergrundlichts</translation>
    </message>
    <message>
        <source>reflector loss</source>
        <translation>Der Reflektorverlust</translation>
    </message>
    <message>
        <source>guide number</source>
        <translation>Die Leitzahl</translation>
    </message>
    <message>
        <source>flash distance</source>
        <translation>Der Blitzabstand</translation>
    </message>
    <message>
        <source>exposure value</source>
        <translation>Der Belichtungswert</translation>
    </message>
    <message>
        <source>extension</source>
        <translation>Die Auszugsverlängerung</translation>
    </message>
    <message>
        <source>telescope focal length</source>
        <translation>Die Brennweite des Teleskops</translation>
    </message>
    <message>
        <source>aperture diameter</source>
        <translation>Die Öffnung</translation>
    </message>
    <message>
        <source>eyepiece focal length</source>
        <translation>Die Brennweite des Okulars</translation>
    </message>
    <message>
        <source>camera focal length</source>
        <translation>Die Brennweite des Kameraobjektivs</translation>
    </message>
    <message>
        <source>camera lens f-ratio</source>
        <translation>Die Blende des Kameraobjektivs</translation>
    </message>
    <message>
        <source>effective focal length</source>
        <translation>Die effektive Brennweite</translation>
    </message>
    <message>
        <source>image width</source>
        <translation>Die Bildbreite</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Die Deklination</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> Grad</translation>
    </message>
    <message>
        <source>air temperature</source>
        <translation>Die Lufttemperatur</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>Die relative Luftfeuchte</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>Die Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>sun elevation</source>
        <translation>Die Sonnenhöhe</translation>
    </message>
    <message>
        <source>solar correction factor</source>
        <translation>Der Korrekturfaktor Sonne</translation>
    </message>
</context>
<context>
    <name>JewishMonths</name>
    <message>
        <source>Tishri</source>
        <translation>Tischri</translation>
    </message>
    <message>
        <source>Heshvan</source>
        <translation>Cheschwan</translation>
    </message>
    <message>
        <source>Kislev</source>
        <translation>Kislew</translation>
    </message>
    <message>
        <source>Tevet</source>
        <translation>Tevet</translation>
    </message>
    <message>
        <source>Shevat</source>
        <translation>Schevat</translation>
    </message>
    <message>
        <source>Adar</source>
        <translation>Adar</translation>
    </message>
    <message>
        <source>Adar I</source>
        <translation>Adar I</translation>
    </message>
    <message>
        <source>Adar II</source>
        <translation>Adar II</translation>
    </message>
    <message>
        <source>Nisan</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>Iyar</source>
        <translation>Ijar</translation>
    </message>
    <message>
        <source>Sivan</source>
        <translation>Siwan</translation>
    </message>
    <message>
        <source>Tammuz</source>
        <translation>Tammus</translation>
    </message>
    <message>
        <source>Av</source>
        <translation>Aw</translation>
    </message>
    <message>
        <source>Elul</source>
        <translation>Elul</translation>
    </message>
</context>
<context>
    <name>MacroPageView</name>
    <message>
        <source>Determine magnification and manual exposure compensation: </source>
        <translation>Abbildungsmaßstab und Belichtungskorrektur bestimmen: </translation>
    </message>
    <message>
        <source>lens focal length:</source>
        <translation>Brennweite:</translation>
    </message>
    <message>
        <source>Length of extension tubes or bellows (mm):</source>
        <translation>Zwischenringe oder Balgen (mm):</translation>
    </message>
    <message>
        <source>=&gt; magnification:</source>
        <translation>=&gt; Abbildungsmaßstab:</translation>
    </message>
    <message>
        <source>=&gt; exposure compensation required:</source>
        <translation>=&gt; nötige Belichtungskorrektur:</translation>
    </message>
</context>
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
        <translation>Bitte „%1“ als Dezimaltrennzeichen verwenden</translation>
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
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Place data: %1</source>
        <translation>Ortsdaten: %1</translation>
    </message>
</context>
<context>
    <name>PhotoValues</name>
    <message>
        <source>Exposure time cannot be zero</source>
        <translation>Die Belichtungszeit darf nicht null sein</translation>
    </message>
    <message>
        <source>F ratio cannot be zero</source>
        <translation>Die Blende darf nicht null sein</translation>
    </message>
    <message>
        <source>ISO cannot be zero</source>
        <translation>ISO darf nicht null sein</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>1/%1 sec</source>
        <translation>1/%1 s</translation>
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
    <name>ShutterSpeeds</name>
    <message>
        <source>Item index = %1</source>
        <translation>Eintragsindex = %1</translation>
    </message>
    <message>
        <source>1/4000th</source>
        <translation>1/4000 s</translation>
    </message>
    <message>
        <source>1/3200th</source>
        <translation>1/3200 s</translation>
    </message>
    <message>
        <source>1/2500th</source>
        <translation>1/2500 s</translation>
    </message>
    <message>
        <source>1/2000th</source>
        <translation>1/2000 s</translation>
    </message>
    <message>
        <source>1/1600th</source>
        <translation>1/1600 s</translation>
    </message>
    <message>
        <source>1/1250th</source>
        <translation>1/1250 s</translation>
    </message>
    <message>
        <source>1/1000th</source>
        <translation>1/1000 s</translation>
    </message>
    <message>
        <source>1/800th</source>
        <translation>1/800 s</translation>
    </message>
    <message>
        <source>1/640th</source>
        <translation>1/640 s</translation>
    </message>
    <message>
        <source>1/500th</source>
        <translation>1/500 s</translation>
    </message>
    <message>
        <source>1/400th</source>
        <translation>1/400 s</translation>
    </message>
    <message>
        <source>1/320th</source>
        <translation>1/320 s</translation>
    </message>
    <message>
        <source>1/250th</source>
        <translation>1/250 s</translation>
    </message>
    <message>
        <source>1/200th</source>
        <translation>1/200 s</translation>
    </message>
    <message>
        <source>1/160th</source>
        <translation>1/160 s</translation>
    </message>
    <message>
        <source>1/125th</source>
        <translation>1/125 s</translation>
    </message>
    <message>
        <source>1/100th</source>
        <translation>1/100 s</translation>
    </message>
    <message>
        <source>1/80th</source>
        <translation>1/80 s</translation>
    </message>
    <message>
        <source>1/60th</source>
        <translation>1/60 s</translation>
    </message>
    <message>
        <source>1/50th</source>
        <translation>1/50 s</translation>
    </message>
    <message>
        <source>1/40th</source>
        <translation>1/40 s</translation>
    </message>
    <message>
        <source>1/30th</source>
        <translation>1/30 s</translation>
    </message>
    <message>
        <source>1/25th</source>
        <translation>1/25 s</translation>
    </message>
    <message>
        <source>1/20th</source>
        <translation>1/20 s</translation>
    </message>
    <message>
        <source>1/15th</source>
        <translation>1/15 s</translation>
    </message>
    <message>
        <source>1/13th</source>
        <translation>1/13 s</translation>
    </message>
    <message>
        <source>1/10th</source>
        <translation>1/10 s</translation>
    </message>
    <message>
        <source>1/8th</source>
        <translation>1/8 s</translation>
    </message>
    <message>
        <source>1/6th</source>
        <translation>1/6 s</translation>
    </message>
    <message>
        <source>1/5th</source>
        <translation>1/5 s</translation>
    </message>
    <message>
        <source>1/4th</source>
        <translation>1/4 s</translation>
    </message>
    <message>
        <source>1/3rd</source>
        <translation>1/3 s</translation>
    </message>
    <message>
        <source>1 sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>1.3 sec</source>
        <translation>1.3 s</translation>
    </message>
    <message>
        <source>1.6 sec</source>
        <translation>1.6 s</translation>
    </message>
    <message>
        <source>2 sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>2.5 sec</source>
        <translation>2.5 s</translation>
    </message>
    <message>
        <source>3.2 sec</source>
        <translation>3.2 s</translation>
    </message>
    <message>
        <source>4 sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>6 sec</source>
        <translation>6 s</translation>
    </message>
    <message>
        <source>8 sec</source>
        <translation>8 s</translation>
    </message>
    <message>
        <source>10 sec</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>13 sec</source>
        <translation>13 s</translation>
    </message>
    <message>
        <source>15 sec</source>
        <translation>15 s</translation>
    </message>
    <message>
        <source>30 sec</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60 sec</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>120 sec</source>
        <translation>120 s</translation>
    </message>
    <message>
        <source>180 sec</source>
        <translation>180 s</translation>
    </message>
    <message>
        <source>240 sec</source>
        <translation>240 s</translation>
    </message>
</context>
<context>
    <name>SunPageView</name>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Model comfort:</source>
        <translation>Wohlbefinden des Modells:</translation>
    </message>
    <message>
        <source>Air temperature:</source>
        <translation>Lufttemperatur:</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Relative humidity:</source>
        <translation>Relative Luftfeuchte:</translation>
    </message>
    <message>
        <source>Wind speed:</source>
        <translation>Windgeschwindigkeit:</translation>
    </message>
    <message>
        <source>km/hour</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Sun elevation:</source>
        <translation>Sonnenhöhe:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Use calculated</source>
        <translation>Berechneten Wert nutzen</translation>
    </message>
    <message>
        <source>Solar correction factor:</source>
        <translation>Korrekturfaktor Sonne:</translation>
    </message>
    <message>
        <source>Apparent temperature:</source>
        <translation>Gefühlte Temperatur:</translation>
    </message>
    <message>
        <source>in the shade:</source>
        <translation>im Schatten:</translation>
    </message>
    <message>
        <source>in the sun:</source>
        <translation>in der Sonne:</translation>
    </message>
</context>
<context>
    <name>TAstroPage</name>
    <message>
        <source>this should be in 35mm equivalent terms to get the equivalent magnification</source>
        <translation>Geben Sie den Kleinbild-Gegenwert an, um die entsprechende Vergrößerung zu erhalten</translation>
    </message>
    <message>
        <source>the f/ratio will be the smallest of either exit pupil or the camera aperture; effective fl and magnification equate to 35mm film size</source>
        <translation>Die Blende ergibt sich aus dem kleineren Wert von Austrittspupille und Kamerablende; effektive Brennweite und Vergrößerung beziehen sich auf Kleinbild</translation>
    </message>
    <message>
        <source>the image&apos;s width in pixels: with the sensor width of the first page it gives the pixel pitch</source>
        <translation>Bildbreite in Pixeln: zusammen mit der Sensorbreite der ersten Seite ergibt sie den Pixelabstand</translation>
    </message>
    <message>
        <source>the declination the camera is aimed at, in degrees; 0 for the celestial equator, where the stars move fastest</source>
        <translation>Deklination, auf die die Kamera gerichtet ist, in Grad; 0 für den Himmelsäquator, wo die Sterne am schnellsten wandern</translation>
    </message>
    <message>
        <source>500 / (focal length x crop factor of the first page&apos;s camera format)</source>
        <translation>500 / (Brennweite x Cropfaktor des Kameraformats der ersten Seite)</translation>
    </message>
    <message>
        <source>(35 x f-ratio + 30 x pixel pitch in micrometres) / focal length</source>
        <translation>(35 x Blende + 30 x Pixelabstand in Mikrometern) / Brennweite</translation>
    </message>
    <message>
        <source>Dawe&apos;s limit of resolving power for this aperture = %1 arc seconds (compared to naked eye approx. 18 arc seconds, but note that atmosphere disturbances usually limit this to 1 to 4 arc seconds at best)</source>
        <translation>Auflösungsgrenze nach Dawes für diese Öffnung = %1 Bogensekunden (bloßes Auge etwa 18 Bogensekunden; die Luftunruhe begrenzt sie aber meist auf bestenfalls 1 bis 4 Bogensekunden)</translation>
    </message>
    <message>
        <source>Light gathering power compared to naked eye = %1 times</source>
        <translation>Lichtsammelvermögen im Vergleich zum bloßen Auge = %1-fach</translation>
    </message>
    <message>
        <source>Visual limiting magnitude = %1  (photographic limiting magnitude usually 2-3 magnitudes less depending on exposure)</source>
        <translation>Visuelle Grenzgröße = %1  (fotografische Grenzgröße je nach Belichtung meist 2–3 Größenklassen weniger)</translation>
    </message>
    <message>
        <source>Prime focus f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x </source>
        <translation>Blende im Primärfokus = f/%1 Effektive Brennweite = %2 mm, also Vergrößerung = %3x </translation>
    </message>
    <message>
        <source>Negative projection f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x </source>
        <translation>Blende bei Negativprojektion = f/%1 Effektive Brennweite = %2 mm, also Vergrößerung = %3x </translation>
    </message>
    <message>
        <source>Afocal method not being used, need to give values for eyepiece and camera lens focal lengths</source>
        <translation>Afokale Methode nicht in Gebrauch: Geben Sie die Brennweiten von Okular und Kameraobjektiv an</translation>
    </message>
    <message>
        <source>Afocal method f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x </source>
        <translation>Blende bei afokaler Methode = f/%1 Effektive Brennweite = %2 mm, also Vergrößerung = %3x </translation>
    </message>
    <message>
        <source>Telescope exit pupil = %1mm Visual telescope magnification = %2x </source>
        <translation>Austrittspupille des Teleskops = %1 mm Visuelle Vergrößerung des Teleskops = %2x </translation>
    </message>
</context>
<context>
    <name>TConversionsPage</name>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>takes into account ISO, filter, and power setting</source>
        <translation>berücksichtigt ISO, Filter und Leistungsstufe</translation>
    </message>
    <message>
        <source>No filter needed</source>
        <translation>Kein Filter nötig</translation>
    </message>
    <message>
        <source>%1 filter exposure compensation = %2stops</source>
        <extracomment>%1 lists the filters and their tint, such as &quot; 81D + 81C (yellowish)&quot;; %2 is a number.</extracomment>
        <translation>%1 Filter, Belichtungskorrektur = %2 Blenden</translation>
    </message>
    <message>
        <source>N/A - no value assigned to distance</source>
        <translation>n. v. – kein Wert für den Abstand</translation>
    </message>
    <message>
        <source>N/A - no value assigned to f/ratio</source>
        <translation>n. v. – kein Wert für die Blende</translation>
    </message>
    <message>
        <source>Mired shift</source>
        <translation>Mired-Verschiebung</translation>
    </message>
</context>
<context>
    <name>TDofPage</name>
    <message>
        <source>custom</source>
        <translation>benutzerdefiniert</translation>
    </message>
    <message>
        <source>6x7 medium format</source>
        <translation>6x7 Mittelformat</translation>
    </message>
    <message>
        <source>6x6 medium format</source>
        <translation>6x6 Mittelformat</translation>
    </message>
    <message>
        <source>645 medium format</source>
        <translation>645 Mittelformat</translation>
    </message>
    <message>
        <source>35mm film, digital full frame</source>
        <translation>Kleinbildfilm, digitales Vollformat</translation>
    </message>
    <message>
        <source>1.3x crop Canon 1D / Leica</source>
        <translation>1.3x-Crop Canon 1D / Leica</translation>
    </message>
    <message>
        <source>Olympus E series (4/3rds format)</source>
        <translation>Olympus E-Serie (Four-Thirds-Format)</translation>
    </message>
    <message>
        <source>8 mpixel prosumer (2/3&quot;)</source>
        <translation>8-Megapixel-Prosumer (2/3&quot;)</translation>
    </message>
    <message>
        <source>1/1.8&quot; digital (most non-SLR)</source>
        <translation>1/1.8&quot; digital (meiste Kompaktkameras)</translation>
    </message>
    <message>
        <source>1/2.5&quot; digital (eg. Pan. FZ20)</source>
        <translation>1/2.5&quot; digital (z. B. Pan. FZ20)</translation>
    </message>
    <message>
        <source>37x37 digital back for H&apos;blad</source>
        <translation>37x37 Digitalrückteil für H&apos;blad</translation>
    </message>
    <message>
        <source>48x36 digital back for Mamiya</source>
        <translation>48x36 Digitalrückteil für Mamiya</translation>
    </message>
    <message>
        <source>Sigma Foveon (SD9, SD10, etc)</source>
        <translation>Sigma Foveon (SD9, SD10 usw.)</translation>
    </message>
    <message>
        <source>based on ratio of film widths</source>
        <translation>aus dem Verhältnis der Formatbreiten</translation>
    </message>
    <message>
        <source>lens angle of view for the sensor width</source>
        <translation>Bildwinkel des Objektivs über die Sensorbreite</translation>
    </message>
    <message>
        <source>if set focus to hyperfocal distance, all should be sharp from this distance to infinity</source>
        <translation>Bei Fokus auf die hyperfokale Distanz ist alles von dieser Entfernung bis unendlich scharf</translation>
    </message>
    <message>
        <source>subject size given focal length and focus distance</source>
        <translation>Motivfeld bei dieser Brennweite und Fokusentfernung</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 Grad</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>%1m wide x %2m high</source>
        <translation>%1 m breit x %2 m hoch</translation>
    </message>
    <message>
        <source>%1m w x %2m h</source>
        <extracomment>w and h: width and height of the area the frame takes in at the background.</extracomment>
        <translation>%1 m B x %2 m H</translation>
    </message>
</context>
<context>
    <name>TExposurePage</name>
    <message>
        <source>F ratio must be greater than zero!</source>
        <translation>Die Blende muss größer als null sein!</translation>
    </message>
    <message>
        <source>SLAT aperture value</source>
        <translation>SLAT-Blendenwert</translation>
    </message>
    <message>
        <source>SLAT Time value</source>
        <translation>SLAT-Zeitwert</translation>
    </message>
    <message>
        <source>SLAT Speed value</source>
        <translation>SLAT-Empfindlichkeitswert</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Background colour - right click to change this</source>
        <translation>Hintergrundfarbe – mit Rechtsklick ändern</translation>
    </message>
    <message>
        <source>&amp;DOF and lighting calculator</source>
        <translation>&amp;Schärfentiefe und Licht</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Umrechnungen</translation>
    </message>
    <message>
        <source>S+L=A+T and EV Exposure</source>
        <translation>S+L=A+T und EV</translation>
    </message>
    <message>
        <source>Zone System</source>
        <translation>Zonensystem</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>&amp;Astrophotography</source>
        <translation>&amp;Astrofotografie</translation>
    </message>
    <message>
        <source>Sun, Moon, and model comfort</source>
        <translation>Sonne, Mond, Modell</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Sun and Moon position</source>
        <translation>Sonnen- und Mondstand</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>Hintergrundfarbe ändern</translation>
    </message>
    <message>
        <source>Change colour</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Visit the Shutterly web site</source>
        <translation>Shutterly-Website besuchen</translation>
    </message>
</context>
<context>
    <name>TLightingPage</name>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Polariser (2.5 stops)</source>
        <translation>Polfilter (2,5 Blenden)</translation>
    </message>
    <message>
        <source>ND 2x (1 stop)</source>
        <translation>ND 2x (1 Blende)</translation>
    </message>
    <message>
        <source>ND 4x (2 stops)</source>
        <translation>ND 4x (2 Blenden)</translation>
    </message>
    <message>
        <source>ND 6x (2.5 stops)</source>
        <translation>ND 6x (2,5 Blenden)</translation>
    </message>
    <message>
        <source>ND 8x (3 stops)</source>
        <translation>ND 8x (3 Blenden)</translation>
    </message>
    <message>
        <source>Background light</source>
        <translation>Hintergrundlicht</translation>
    </message>
    <message>
        <source>Main light</source>
        <translation>Hauptlicht</translation>
    </message>
    <message>
        <source>Fill light</source>
        <translation>Aufhelllicht</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>Umgebungslicht</translation>
    </message>
    <message>
        <source>Bright sunlight (LV10)</source>
        <translation>Helle Sonne (LW10)</translation>
    </message>
    <message>
        <source>EV 14 (LV9)</source>
        <translation>EV 14 (LW9)</translation>
    </message>
    <message>
        <source>EV 13 (LV8)</source>
        <translation>EV 13 (LW8)</translation>
    </message>
    <message>
        <source>Bright blue sky (LV7)</source>
        <translation>Heller blauer Himmel (LW7)</translation>
    </message>
    <message>
        <source>EV 11 (LV 6)</source>
        <translation>EV 11 (LW 6)</translation>
    </message>
    <message>
        <source>Bright indoor (LV5)</source>
        <translation>Heller Innenraum (LW5)</translation>
    </message>
    <message>
        <source>Average indoor (LV4)</source>
        <translation>Normaler Innenraum (LW4)</translation>
    </message>
    <message>
        <source>Heavy overcast, rain (LV0.6)</source>
        <translation>Stark bewölkt, Regen (LW0,6)</translation>
    </message>
    <message>
        <source>%1 metres</source>
        <translation>%1 Meter</translation>
    </message>
    <message>
        <source>%1metres</source>
        <extracomment>A distance beyond the slider&apos;s reach, in whole metres; a space is allowed.</extracomment>
        <translation>%1 Meter</translation>
    </message>
    <message>
        <source>%1 stops</source>
        <translation>%1 Blenden</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Use the fill light F-stop slider to adjust</source>
        <translation>Zum Einstellen den Blendenstufen-Regler des Aufhelllichts verwenden</translation>
    </message>
    <message>
        <source>Assumes main-light to reflector distance = main light to subject distance</source>
        <translation>Annahme: Abstand Hauptlicht–Reflektor = Abstand Hauptlicht–Motiv</translation>
    </message>
    <message>
        <source>ambient light type</source>
        <translation>Art des Umgebungslichts</translation>
    </message>
    <message>
        <source>Reflector distance to subject:</source>
        <translation>Abstand Reflektor–Motiv:</translation>
    </message>
    <message>
        <source>Fill light distance to subject:</source>
        <translation>Abstand Aufhelllicht–Motiv:</translation>
    </message>
    <message>
        <source>F ratio cannot be set to zero</source>
        <translation>Die Blende kann nicht auf null gesetzt werden</translation>
    </message>
    <message>
        <source>Not possible</source>
        <translation>Nicht möglich</translation>
    </message>
    <message>
        <source>0 stops</source>
        <translation>0 Blenden</translation>
    </message>
    <message>
        <source>Reflector loss in F stops:</source>
        <translation>Reflektorverlust (Blenden):</translation>
    </message>
    <message>
        <source>Effective GN (m)  at ISO 100:</source>
        <translation>Effektive LZ (m)  bei ISO 100:</translation>
    </message>
    <message>
        <source>Power setting:</source>
        <translation>Leistungsstufe:</translation>
    </message>
    <message>
        <source>If you change the f/ratio, click to update lighting</source>
        <translation>Blende geändert? Licht anpassen</translation>
    </message>
</context>
<context>
    <name>TMacroPage</name>
    <message>
        <source>%1 stops</source>
        <translation>%1 Blenden</translation>
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
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TSunPage</name>
    <message>
        <source>%1 degrees C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Choose or edit the place whose sun, moon and light these pages show</source>
        <translation>Wählen oder bearbeiten Sie den Ort, dessen Sonne, Mond und Licht diese Seiten zeigen</translation>
    </message>
    <message>
        <source>check to use the current calculated position</source>
        <translation>Kreuzen Sie dies an, um den aktuell berechneten Sonnenstand zu verwenden</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Location: %1 Longitude %2 Latitude %3</source>
        <translation>Ort: %1 Länge %2 Breite %3</translation>
    </message>
    <message>
        <source>Julian date:</source>
        <translation>Julianisches Datum:</translation>
    </message>
    <message>
        <source>Universal time:</source>
        <translation>Weltzeit:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>Ortszeit:</translation>
    </message>
    <message>
        <source>Age of the moon:</source>
        <translation>Mondalter:</translation>
    </message>
    <message>
        <source>Moon phase:</source>
        <translation>Mondphase:</translation>
    </message>
    <message>
        <source>Moon&apos;s distance:</source>
        <translation>Mondentfernung:</translation>
    </message>
    <message>
        <source>Moon subtends:</source>
        <translation>Winkelgröße Mond:</translation>
    </message>
    <message>
        <source>Sun&apos;s distance:</source>
        <translation>Sonnenentfernung:</translation>
    </message>
    <message>
        <source>Sun subtends:</source>
        <translation>Winkelgröße Sonne:</translation>
    </message>
    <message>
        <source>Last new moon:</source>
        <translation>Letzter Neumond:</translation>
    </message>
    <message>
        <source>First quarter:</source>
        <translation>Erstes Viertel:</translation>
    </message>
    <message>
        <source>Full moon:</source>
        <translation>Vollmond:</translation>
    </message>
    <message>
        <source>Last quarter:</source>
        <translation>Letztes Viertel:</translation>
    </message>
    <message>
        <source>New new moon:</source>
        <translation>Nächster Neumond:</translation>
    </message>
    <message>
        <source>Lunation:</source>
        <translation>Lunation:</translation>
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
        <source>Sun rise:</source>
        <translation>Sonnenaufgang:</translation>
    </message>
    <message>
        <source>Sun transit:</source>
        <translation>Sonnenhöchststand:</translation>
    </message>
    <message>
        <source>Sun set:</source>
        <translation>Sonnenuntergang:</translation>
    </message>
    <message>
        <source>Moon rise:</source>
        <translation>Mondaufgang:</translation>
    </message>
    <message>
        <source>Moon transit:</source>
        <translation>Mondhöchststand:</translation>
    </message>
    <message>
        <source>Moon set:</source>
        <translation>Monduntergang:</translation>
    </message>
    <message>
        <source>Night time, no sun</source>
        <translation>Nacht, keine Sonne</translation>
    </message>
    <message>
        <source>by default, UTC is calculated based on current computer  location and clock. Use this button to set UTC manually.</source>
        <translation>Standardmäßig wird UTC aus Standort und Uhr dieses Computers berechnet. Mit dieser Schaltfläche stellen Sie UTC von Hand ein.</translation>
    </message>
    <message>
        <source>Set UTC time</source>
        <translation>UTC einstellen</translation>
    </message>
    <message>
        <source>Set Location</source>
        <translation>Ort festlegen</translation>
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
    <name>Tfrm_julian</name>
    <message>
        <source>Julian Date:</source>
        <translation>Julianisches Datum:</translation>
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
<context>
    <name>TypedInputs</name>
    <message>
        <source>The %1 must not be negative</source>
        <extracomment>%1 is the name of the box, such as &quot;focal length&quot; (translated in InputRules).</extracomment>
        <translation>%1 darf nicht negativ sein</translation>
    </message>
    <message>
        <source>The %1 must be greater than 0%2</source>
        <extracomment>%1 is the name of the box; %2 is its unit with a leading space (&quot; mm&quot;), or empty.</extracomment>
        <translation>%1 muss größer als 0%2 sein</translation>
    </message>
    <message>
        <source>The %1 must be between 0 and 100%2</source>
        <translation>%1 muss zwischen 0 und 100%2 liegen</translation>
    </message>
    <message>
        <source>The %1 must be between -90 and 90%2</source>
        <translation>%1 muss zwischen -90 und 90%2 liegen</translation>
    </message>
    <message>
        <source>The %1 must be between -89 and 89%2</source>
        <translation>%1 muss zwischen -89 und 89%2 liegen</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>A result that cannot be computed (&quot;not available&quot;); keep it short.</extracomment>
        <translation>n. v.</translation>
    </message>
</context>
</TS>
