<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>vx::Application</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vx::TForm1</name>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer wählen und Fahrerdaten einstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagebuch öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer- und Radeinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kalendarische Darstellung der Trainigsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrt laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrt laden / mehr mit Rechtsklick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstellentest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzeranzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Fahrten im Torkon löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farben festlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail-Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrammeinstellungen ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalendereinstellungen ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEO -&gt; Tagebuch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deo ins Tagebuch einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deo zum Vergleich speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEO + DEO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zwei Fahrten zusammenfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagebuch -&gt; CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ganzes Tagebuch als CSV-Datei exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV -&gt; DEO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Datei in DEO-Datei umwandeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEO -&gt; CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEO-Datei in CSV-Datei umwandeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum und Uhrzeit im Torkon stellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Firmware zum Torkon senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM-Geschwindigkeit ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (keine Quelle gewählt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainingsbereiche festlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Größe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie den Fahrer wirklich löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwellenleistung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K-Faktor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radumfang [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewichtseinheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speicherintervall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitanzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datumsanzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dämpfung Leistung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dämpfung Puls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leistungsanzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernehmen + speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datumsformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RÜCKSTELLUNG DER FARBEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZEICHENFLÄCHE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PULS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HÖHE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GANG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEMPERATUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GITTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T / D - SKALA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTERVALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LÄUF./SCHWI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEIGUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur vorübergehend angelegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es sind keine Fahrten für diesen Fahrer gespeichert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEO-Dateien einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Fahrten eingefügt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte einen Fahrer wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Ordner gewählt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zonen 1 bis 6 aufsteigend eingeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone A von bis eingeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Zone entfällt, wenn das Feld leer ist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zonen können mit einem Rechtsklick geändert werden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
