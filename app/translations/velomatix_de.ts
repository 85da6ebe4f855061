<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vx::Application</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>vx::TForm1</name>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (noch nicht verfügbar)</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fahrer</translation>
    </message>
    <message>
        <source>Fahrer wählen und Fahrerdaten einstellen</source>
        <translation>Fahrer wählen und Fahrerdaten einstellen</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Tagebuch öffnen</source>
        <translation>Tagebuch öffnen</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Fahrer- und Radeinstellungen</source>
        <translation>Fahrer- und Radeinstellungen</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Einstellungen laden</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Einstellungen senden</source>
        <translation>Einstellungen senden</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>kalendarische Darstellung der Trainigsdaten</source>
        <translation>kalendarische Darstellung der Trainigsdaten</translation>
    </message>
    <message>
        <source>Fahrt laden</source>
        <translation>Fahrt laden</translation>
    </message>
    <message>
        <source>Fahrt laden / mehr mit Rechtsklick</source>
        <translation>Fahrt laden / mehr mit Rechtsklick</translation>
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
        <translation>Schnittstellentest</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Benutzeranzeige</source>
        <translation>Benutzeranzeige</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Alle Fahrten im Torkon löschen</source>
        <translation>Alle Fahrten im Torkon löschen</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Farben festlegen</source>
        <translation>Farben festlegen</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Sprache wählen</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Fahrer löschen</source>
        <translation>Fahrer löschen</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Mail-Einstellungen</source>
        <translation>Mail-Einstellungen</translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Diagrammeinstellungen ändern</source>
        <translation>Diagrammeinstellungen ändern</translation>
    </message>
    <message>
        <source>Kalendereinstellungen ändern</source>
        <translation>Kalendereinstellungen ändern</translation>
    </message>
    <message>
        <source>DEO -&gt; Tagebuch</source>
        <translation>DEO -&gt; Tagebuch</translation>
    </message>
    <message>
        <source>Deo ins Tagebuch einfügen</source>
        <translation>Deo ins Tagebuch einfügen</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Deo zum Vergleich speichern</source>
        <translation>Deo zum Vergleich speichern</translation>
    </message>
    <message>
        <source>DEO + DEO</source>
        <translation>DEO + DEO</translation>
    </message>
    <message>
        <source>Zwei Fahrten zusammenfügen</source>
        <translation>Zwei Fahrten zusammenfügen</translation>
    </message>
    <message>
        <source>Tagebuch -&gt; CSV</source>
        <translation>Tagebuch -&gt; CSV</translation>
    </message>
    <message>
        <source>Ganzes Tagebuch als CSV-Datei exportieren</source>
        <translation>Ganzes Tagebuch als CSV-Datei exportieren</translation>
    </message>
    <message>
        <source>CSV -&gt; DEO</source>
        <translation>CSV -&gt; DEO</translation>
    </message>
    <message>
        <source>CSV-Datei in DEO-Datei umwandeln</source>
        <translation>CSV-Datei in DEO-Datei umwandeln</translation>
    </message>
    <message>
        <source>DEO -&gt; CSV</source>
        <translation>DEO -&gt; CSV</translation>
    </message>
    <message>
        <source>DEO-Datei in CSV-Datei umwandeln</source>
        <translation>DEO-Datei in CSV-Datei umwandeln</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit im Torkon stellen</source>
        <translation>Datum und Uhrzeit im Torkon stellen</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Neue Firmware zum Torkon senden</source>
        <translation>Neue Firmware zum Torkon senden</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>COM-Geschwindigkeit ändern</source>
        <translation>COM-Geschwindigkeit ändern</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> (keine Quelle gewählt)</source>
        <translation> (keine Quelle gewählt)</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Trainingsbereiche festlegen</source>
        <translation>Trainingsbereiche festlegen</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Wollen Sie den Fahrer wirklich löschen?</source>
        <translation>Wollen Sie den Fahrer wirklich löschen?</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Schwellenleistung</source>
        <translation>Schwellenleistung</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>K-Faktor</source>
        <translation>K-Faktor</translation>
    </message>
    <message>
        <source>Radumfang [mm]</source>
        <translation>Radumfang [mm]</translation>
    </message>
    <message>
        <source>Gewichtseinheit</source>
        <translation>Gewichtseinheit</translation>
    </message>
    <message>
        <source>Speicherintervall</source>
        <translation>Speicherintervall</translation>
    </message>
    <message>
        <source>Zeitanzeige</source>
        <translation>Zeitanzeige</translation>
    </message>
    <message>
        <source>Datumsanzeige</source>
        <translation>Datumsanzeige</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Dämpfung Leistung</source>
        <translation>Dämpfung Leistung</translation>
    </message>
    <message>
        <source>Dämpfung Puls</source>
        <translation>Dämpfung Puls</translation>
    </message>
    <message>
        <source>Leistungsanzeige</source>
        <translation>Leistungsanzeige</translation>
    </message>
    <message>
        <source>Übernehmen + speichern</source>
        <translation>Übernehmen + speichern</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>BITTE WARTEN</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Zeitformat</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Datumsformat</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>RÜCKSTELLUNG DER FARBEN</source>
        <translation>RÜCKSTELLUNG DER FARBEN</translation>
    </message>
    <message>
        <source>ZEICHENFLÄCHE</source>
        <translation>ZEICHENFLÄCHE</translation>
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
        <translation>PULS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>HÖHE</source>
        <translation>HÖHE</translation>
    </message>
    <message>
        <source>GANG</source>
        <translation>GANG</translation>
    </message>
    <message>
        <source>TEMPERATUR</source>
        <translation>TEMPERATUR</translation>
    </message>
    <message>
        <source>GITTER</source>
        <translation>GITTER</translation>
    </message>
    <message>
        <source>T / D - SKALA</source>
        <translation>T / D - SKALA</translation>
    </message>
    <message>
        <source>INTERVALL</source>
        <translation>INTERVALL</translation>
    </message>
    <message>
        <source>LÄUF./SCHWI.</source>
        <translation>LÄUF./SCHWI.</translation>
    </message>
    <message>
        <source>STEIGUNG</source>
        <translation>STEIGUNG</translation>
    </message>
    <message>
        <source>Fahrer:</source>
        <translation>Fahrer:</translation>
    </message>
    <message>
        <source>nur vorübergehend angelegt</source>
        <translation>nur vorübergehend angelegt</translation>
    </message>
    <message>
        <source>Es sind keine Fahrten für diesen Fahrer gespeichert!</source>
        <translation>Es sind keine Fahrten für diesen Fahrer gespeichert!</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>DEO-Dateien einfügen</source>
        <translation>DEO-Dateien einfügen</translation>
    </message>
    <message>
        <source>%1 Fahrten eingefügt</source>
        <translation>%1 Fahrten eingefügt</translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden:
%1</source>
        <translation>Die Fahrtenliste konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Bitte einen Fahrer wählen</source>
        <translation>Bitte einen Fahrer wählen</translation>
    </message>
    <message>
        <source>Kein Ordner gewählt</source>
        <translation>Kein Ordner gewählt</translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden</source>
        <translation>Die Fahrtenliste konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation>Bitte nur Zahlen eingeben</translation>
    </message>
    <message>
        <source>Die Zonen 1 bis 6 aufsteigend eingeben</source>
        <translation>Die Zonen 1 bis 6 aufsteigend eingeben</translation>
    </message>
    <message>
        <source>Zone A von bis eingeben</source>
        <translation>Zone A von bis eingeben</translation>
    </message>
    <message>
        <source>Eine Zone entfällt, wenn das Feld leer ist</source>
        <translation>Eine Zone entfällt, wenn das Feld leer ist</translation>
    </message>
    <message>
        <source>Die Zonen können mit einem Rechtsklick geändert werden</source>
        <translation>Die Zonen können mit einem Rechtsklick geändert werden</translation>
    </message>
</context>
</TS>
