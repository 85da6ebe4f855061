<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vx::Application</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>vx::CoreMessages</name>
    <message>
        <source>The date must be a day from 01.01.2000 to 31.12.2099.</source>
        <translation>The date must be a day from 01.01.2000 to 31.12.2099.</translation>
    </message>
    <message>
        <source>The start time is not a time of day.</source>
        <translation>The start time is not a time of day.</translation>
    </message>
    <message>
        <source>The duration must not be negative.</source>
        <translation>The duration must not be negative.</translation>
    </message>
    <message>
        <source>The distance must be a number of 0 or more.</source>
        <translation>The distance must be a number of 0 or more.</translation>
    </message>
    <message>
        <source>The heart rate must be a number from 0 to 300.</source>
        <translation>The heart rate must be a number from 0 to 300.</translation>
    </message>
    <message>
        <source>The temperature is not a plausible number.</source>
        <translation>The temperature is not a plausible number.</translation>
    </message>
    <message>
        <source>The date or time does not exist.</source>
        <translation>The date or time does not exist.</translation>
    </message>
    <message>
        <source>The date must lie between 01.01.2000 and 31.12.2099.</source>
        <translation>The date must lie between 01.01.2000 and 31.12.2099.</translation>
    </message>
    <message>
        <source>DATEN NICHT AUSWERTBAR</source>
        <translation>DATEN NICHT AUSWERTBAR</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>no records</translation>
    </message>
</context>
<context>
    <name>vx::ImportWindow</name>
    <message>
        <source>Rad Leistung</source>
        <translation>Bike power</translation>
    </message>
    <message>
        <source>Trainingsbereiche Leistung</source>
        <translation>training zones power</translation>
    </message>
    <message>
        <source>Rad Puls</source>
        <translation>Bike HR</translation>
    </message>
    <message>
        <source>Trainingsbereiche Puls (Rad)</source>
        <translation>training zones HR (bike)</translation>
    </message>
    <message>
        <source>Laufen</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Trainingsbereiche Puls (Laufen)</source>
        <translation>training zones HR (run)</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>PLEASE WAIT</translation>
    </message>
</context>
<context>
    <name>vx::SummaryTexts</name>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Höhendifferenz</source>
        <translation>Altitude difference</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Arbeit</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Gesamtstrecke</source>
        <translation>Total distance</translation>
    </message>
    <message>
        <source>Gewählte Strecke</source>
        <translation>Select distance</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Steigung</source>
        <translation>Gradient</translation>
    </message>
</context>
<context>
    <name>vx::TForm1</name>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (not available yet)</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Rider</translation>
    </message>
    <message>
        <source>Fahrer wählen und Fahrerdaten einstellen</source>
        <translation>Select rider and set rider data</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Daybook</translation>
    </message>
    <message>
        <source>Tagebuch öffnen</source>
        <translation>Open daybook</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Fahrer- und Radeinstellungen</source>
        <translation>Rider and biker settings</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Read settings</translation>
    </message>
    <message>
        <source>Einstellungen laden</source>
        <translation>Download settings</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send settings</translation>
    </message>
    <message>
        <source>Einstellungen senden</source>
        <translation>Upload settings</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>kalendarische Darstellung der Trainigsdaten</source>
        <translation>Training data present in calender view</translation>
    </message>
    <message>
        <source>Fahrt laden</source>
        <translation>Download ride</translation>
    </message>
    <message>
        <source>Fahrt laden / mehr mit Rechtsklick</source>
        <translation>Download ride / more by right click</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Schnittstellentest</source>
        <translation>Interface test</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Benutzeranzeige</source>
        <translation>Userdisplay</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Alle Fahrten im Torkon löschen</source>
        <translation>Erase all trips in the Torkon</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Farben festlegen</source>
        <translation>Define colors</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Sprache wählen</source>
        <translation>Select language</translation>
    </message>
    <message>
        <source>Fahrer löschen</source>
        <translation>Delete Rider</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Mail-Einstellungen</source>
        <translation>Mail Settings</translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Diagrammeinstellungen ändern</source>
        <translation>Change charts settings</translation>
    </message>
    <message>
        <source>Kalendereinstellungen ändern</source>
        <translation>Change calender settings</translation>
    </message>
    <message>
        <source>DEO -&gt; Tagebuch</source>
        <translation>DEO -&gt; daybook</translation>
    </message>
    <message>
        <source>Deo ins Tagebuch einfügen</source>
        <translation>Insert Deo into diary</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Deo zum Vergleich speichern</source>
        <translation>Save Deo to compare</translation>
    </message>
    <message>
        <source>DEO + DEO</source>
        <translation>DEO + DEO</translation>
    </message>
    <message>
        <source>Zwei Fahrten zusammenfügen</source>
        <translation>Add two rides together</translation>
    </message>
    <message>
        <source>Tagebuch -&gt; CSV</source>
        <translation>Daybook -&gt; CSV</translation>
    </message>
    <message>
        <source>Ganzes Tagebuch als CSV-Datei exportieren</source>
        <translation>Export the whole diary as a CSV file</translation>
    </message>
    <message>
        <source>CSV -&gt; DEO</source>
        <translation>CSV -&gt; DEO</translation>
    </message>
    <message>
        <source>CSV-Datei in DEO-Datei umwandeln</source>
        <translation>Convert CSV-FILE tO DEO-FILE</translation>
    </message>
    <message>
        <source>DEO -&gt; CSV</source>
        <translation>DEO -&gt; CSV</translation>
    </message>
    <message>
        <source>DEO-Datei in CSV-Datei umwandeln</source>
        <translation>Convert DEO-FILE tO CSV-FILE</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit im Torkon stellen</source>
        <translation>Set date and time in the Torkon</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Neue Firmware zum Torkon senden</source>
        <translation>Send new firmware to the Torkon</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>COM-Geschwindigkeit ändern</source>
        <translation>Change the COM speed</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source> (keine Quelle gewählt)</source>
        <translation> (no source selected)</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Trainingsbereiche festlegen</source>
        <translation>Define training parts</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Wollen Sie den Fahrer wirklich löschen?</source>
        <translation>Do you want to delete the rider really?</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Schwellenleistung</source>
        <translation>Threshold power</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>K-Faktor</source>
        <translation>K-factor</translation>
    </message>
    <message>
        <source>Radumfang [mm]</source>
        <translation>Wheelsize [mm]</translation>
    </message>
    <message>
        <source>Gewichtseinheit</source>
        <translation>Weight unit</translation>
    </message>
    <message>
        <source>Speicherintervall</source>
        <translation>Data memory</translation>
    </message>
    <message>
        <source>Zeitanzeige</source>
        <translation>Display time</translation>
    </message>
    <message>
        <source>Datumsanzeige</source>
        <translation>Display date</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Bike</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Dämpfung Leistung</source>
        <translation>Rate power</translation>
    </message>
    <message>
        <source>Dämpfung Puls</source>
        <translation>Rate HR</translation>
    </message>
    <message>
        <source>Leistungsanzeige</source>
        <translation>Display power</translation>
    </message>
    <message>
        <source>Übernehmen + speichern</source>
        <translation>Accept + save</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>PLEASE WAIT</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Zeitformat</source>
        <translation>Time format</translation>
    </message>
    <message>
        <source>Datumsformat</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>RÜCKSTELLUNG DER FARBEN</source>
        <translation>RESET THE COLOURS</translation>
    </message>
    <message>
        <source>ZEICHENFLÄCHE</source>
        <translation>DRAWING AREA</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>POWER</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>PULS</source>
        <translation>HEART RATE</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>HÖHE</source>
        <translation>ALTITUDE</translation>
    </message>
    <message>
        <source>GANG</source>
        <translation>GEAR</translation>
    </message>
    <message>
        <source>TEMPERATUR</source>
        <translation>TEMPERATURE</translation>
    </message>
    <message>
        <source>GITTER</source>
        <translation>GRID</translation>
    </message>
    <message>
        <source>T / D - SKALA</source>
        <translation>T / D - SCALE</translation>
    </message>
    <message>
        <source>INTERVALL</source>
        <translation>INTERVAL</translation>
    </message>
    <message>
        <source>LÄUF./SCHWI.</source>
        <translation>RUN./SWIM.</translation>
    </message>
    <message>
        <source>STEIGUNG</source>
        <translation>GRADIENT</translation>
    </message>
    <message>
        <source>Fahrer:</source>
        <translation>Rider:</translation>
    </message>
    <message>
        <source>nur vorübergehend angelegt</source>
        <translation>laid out only temporarily</translation>
    </message>
    <message>
        <source>Es sind keine Fahrten für diesen Fahrer gespeichert!</source>
        <translation>There are no rides saved for this rider!</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>DEO-Dateien einfügen</source>
        <translation>Insert DEO files</translation>
    </message>
    <message>
        <source>%1 Fahrten eingefügt</source>
        <translation>%1 rides inserted</translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden:
%1</source>
        <translation>The trip list could not be saved:
%1</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Bitte einen Fahrer wählen</source>
        <translation>Please choose a rider</translation>
    </message>
    <message>
        <source>Kein Ordner gewählt</source>
        <translation>No folder chosen</translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden</source>
        <translation>The trip list could not be saved</translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation>Please enter numbers only</translation>
    </message>
    <message>
        <source>Die Zonen 1 bis 6 aufsteigend eingeben</source>
        <translation>Insert the zones 1 till 6 rising upwards</translation>
    </message>
    <message>
        <source>Zone A von bis eingeben</source>
        <translation>Input zone A from to till</translation>
    </message>
    <message>
        <source>Eine Zone entfällt, wenn das Feld leer ist</source>
        <translation>One zone drop if the zone is empty</translation>
    </message>
    <message>
        <source>Die Zonen können mit einem Rechtsklick geändert werden</source>
        <translation>The zones can be changed by a right click</translation>
    </message>
    <message>
        <source>Diese Quelle ist noch nicht verfügbar</source>
        <translation>This source is not available yet</translation>
    </message>
    <message>
        <source>Die Schwelle muss zwischen %1 und %2 liegen.</source>
        <translation>The threshold must lie between %1 and %2.</translation>
    </message>
    <message>
        <source>Bitte mindestens eine Zonengrenze eingeben.</source>
        <translation>Please enter at least one zone bound.</translation>
    </message>
</context>
<context>
    <name>vx::TForm3</name>
    <message>
        <source>%1 Fahrten gefunden</source>
        <translation>%1 rides found</translation>
    </message>
    <message>
        <source>Datum / Zeit</source>
        <translation>Date / Time</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source> Leistung 1</source>
        <translation> Power 1</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source> D HÖHE</source>
        <translation> D ALT</translation>
    </message>
    <message>
        <source>Arbeit</source>
        <translation>Work</translation>
    </message>
    <message>
        <source> Leistung 2</source>
        <translation> Power 2</translation>
    </message>
    <message>
        <source>Kommentar2</source>
        <translation>Comment2</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Daybook</translation>
    </message>
    <message>
        <source>kein Kommentar</source>
        <translation>no comment</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Alle Fahrten wählen</source>
        <translation>Select all trips</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selective</translation>
    </message>
    <message>
        <source>Anfangsdatum anklicken</source>
        <translation>click start date</translation>
    </message>
    <message>
        <source>Enddatum anklicken</source>
        <translation>click end date</translation>
    </message>
    <message>
        <source>Sortieren auf- oder abwärts (rechte Maustaste)</source>
        <translation>Sorting up or down (right mouse button)</translation>
    </message>
    <message>
        <source>Wollen Sie die Fahrt wirklich löschen?</source>
        <translation>Do you want to delete the trip?</translation>
    </message>
    <message>
        <source>Es wurden keine 2 Fahrten markiert</source>
        <translation>Please select 2 trips</translation>
    </message>
    <message>
        <source>Speicherintervalle ungleich</source>
        <translation>Different recording rate</translation>
    </message>
    <message>
        <source>Puls Aufzeichnung fehlerhaft</source>
        <translation>Missing heartrate signal</translation>
    </message>
    <message>
        <source>Bitte eine oder mehrere Fahrten markieren</source>
        <translation>Please select one or more trips</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Graphic</translation>
    </message>
    <message>
        <source>Fahrt als Grafik zeigen</source>
        <translation>Display trip as graphic</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Fahrt numerisch zeigen</source>
        <translation>Display trip numerical</translation>
    </message>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (not available yet)</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Auswertung Fahrt</source>
        <translation>Summary ride</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>2 Fahrten grafisch vergleichen</source>
        <translation>Compare 2 trips as graphic</translation>
    </message>
    <message>
        <source>P/RPM</source>
        <translation>P/RPM</translation>
    </message>
    <message>
        <source>Leistung/RPM Leistung/Geschwindigkeit analysieren</source>
        <translation>Analyze power/RPM power/speed</translation>
    </message>
    <message>
        <source>P/HF</source>
        <translation>P/HR</translation>
    </message>
    <message>
        <source>Analyse Leistung - Puls</source>
        <translation>Analyses of Power - HR </translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Fahrt löschen</source>
        <translation>Delete trip</translation>
    </message>
    <message>
        <source>Eintrag</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>Dateneingabe für Läufer/Schwimmer</source>
        <translation>Data input for runners/swimmers</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Sortieren A-Z</source>
        <translation>Sort A-Z</translation>
    </message>
    <message>
        <source>Sortieren Z-A</source>
        <translation>Sort Z-A</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Laufen</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Schwimmen</source>
        <translation>Swimming</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Bike</translation>
    </message>
    <message>
        <source>Ski</source>
        <translation>Ski</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>PLEASE WAIT</translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation>Please enter numbers only</translation>
    </message>
</context>
<context>
    <name>vx::TForm30</name>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Skala (Zeit/Strecke)</source>
        <translation>Scale ( time/distance)</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Ganze Fahrt zeigen</source>
        <translation>Show total trip</translation>
    </message>
    <message>
        <source>Seite zurück</source>
        <translation>Page down</translation>
    </message>
    <message>
        <source>Seite vor</source>
        <translation>Page up</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Linke Maustaste vergrößern / rechte verkleinern</source>
        <translation>Left mouse button zoom in / right zoom out</translation>
    </message>
    <message>
        <source>Bereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Zoom wählbar</source>
        <translation>Zoom selectable</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Auswertung Fahrt</source>
        <translation>Summary ride</translation>
    </message>
    <message>
        <source>Abschnitt</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Auswertung Abschnitt</source>
        <translation>Summary section</translation>
    </message>
    <message>
        <source>Sortiert</source>
        <translation>Sorted</translation>
    </message>
    <message>
        <source>Sortiert Leistung, RPM, Geschwindigkeit, Puls</source>
        <translation>Sorted power, RPM, speed, pulse</translation>
    </message>
    <message>
        <source>P/HF</source>
        <translation>P/HR</translation>
    </message>
    <message>
        <source>Leistung / Puls</source>
        <translation>Power / HR</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Gang</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>Geschwindigkeit/RPM (gewählter Gang)</source>
        <translation>Speed/RPM (selected gear)</translation>
    </message>
    <message>
        <source>Pausen</source>
        <translation>Stops</translation>
    </message>
    <message>
        <source>Pausen zeigen</source>
        <translation>Show stops</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Temperatur zeigen</source>
        <translation>Show temperature</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Intervalle zeigen</source>
        <translation>Show interval </translation>
    </message>
    <message>
        <source>Zonen</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Schwelle zeigen</source>
        <translation>Show  threshold</translation>
    </message>
    <message>
        <source>Drehm.</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Drehmoment [Nm] / Rechtsklick % Leistung rechts</source>
        <translation>torque [Nm]/right click % Power right</translation>
    </message>
    <message>
        <source>Steigung</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Steigung zeigen (15 Datensätze)</source>
        <translation>Show gradient (15 data sets)</translation>
    </message>
    <message>
        <source>Lupe</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Lupe / mehr mit Rechtsklick</source>
        <translation>Loupe / more by right click</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Daten als Tabelle zeigen</source>
        <translation>Show data as table</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Daybook</translation>
    </message>
    <message>
        <source>Tagebuch, um eine Fahrt zu wählen</source>
        <translation>Diary to select trip</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Eine andere DEO-Datei laden</source>
        <translation>Load another DEO file</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (not available yet)</translation>
    </message>
    <message>
        <source>Leistung</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Steigrate</source>
        <translation>gradient rate</translation>
    </message>
    <message>
        <source>Drehmoment [Nm]</source>
        <translation>Torque [Nm]</translation>
    </message>
    <message>
        <source>Zeigen / verbergen, Skalierung + Glättung</source>
        <translation>Show / hide, scaling + smoothing</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>Linie 1</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>Linie 2</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Einstellungen als Standard übernehmen</source>
        <translation>Apply settings as default</translation>
    </message>
</context>
<context>
    <name>vx::TForm400</name>
    <message>
        <source>Grundlagen der Leistungsberechnung</source>
        <translation>Basics for Power-Calculation</translation>
    </message>
    <message>
        <source>Fahrer [kg]</source>
        <translation>Rider [kg]</translation>
    </message>
    <message>
        <source>Rad mit Laufrädern [kg]</source>
        <translation>Bike (inc Weels) [kg]</translation>
    </message>
    <message>
        <source>Gepäck, Kleidung [kg]</source>
        <translation>Bypack,clothes [kg]</translation>
    </message>
    <message>
        <source>Vorderrad [kg]</source>
        <translation>Front weel [kg]</translation>
    </message>
    <message>
        <source>Hinterrad [kg]</source>
        <translation>Rear weel [kg]</translation>
    </message>
    <message>
        <source>Mittelungsbasis [s]</source>
        <translation>Average base [sec]</translation>
    </message>
    <message>
        <source>cwA Fahrer [m²]</source>
        <translation>cwA rider [m²]</translation>
    </message>
    <message>
        <source>cwA Rad [m²]</source>
        <translation>cwA bike [m²]</translation>
    </message>
    <message>
        <source>Rollreibungsbeiwert</source>
        <translation>Friction coefficient</translation>
    </message>
    <message>
        <source>Wirkungsgrad</source>
        <translation>Effectiveness</translation>
    </message>
    <message>
        <source>Wind [m/s]</source>
        <translation>Wind [m/s]</translation>
    </message>
    <message>
        <source>ÜBERNEHMEN</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>VERWERFEN</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Ungültiger Wert: %1</source>
        <translation>Invalid value: %1</translation>
    </message>
    <message>
        <source>Die Mittelungsbasis muss zwischen 1 und %1 liegen</source>
        <translation>The average base must lie between 1 and %1</translation>
    </message>
    <message>
        <source>Die Fahrt ist zu kurz für diese Mittelungsbasis</source>
        <translation>The ride is too short for this average base</translation>
    </message>
</context>
<context>
    <name>vx::TForm570</name>
    <message>
        <source>Höhenkorrektur</source>
        <translation>alt correction</translation>
    </message>
    <message>
        <source>Ohne Pausen</source>
        <translation>No stops</translation>
    </message>
</context>
<context>
    <name>vx::TForm7</name>
    <message>
        <source>DATUM    ZEIT</source>
        <translation>Date / Time</translation>
    </message>
    <message>
        <source>DATUM</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>ZEIT</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ÜBERNEHMEN</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>VERWERFEN</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Eine Fahrt mit diesem Datum und dieser Uhrzeit ist schon gespeichert.</source>
        <translation>A trip with this date and time is stored already.</translation>
    </message>
</context>
</TS>
