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
    <name>vx::CoreMessages</name>
    <message>
        <source>The date must be a day from 01.01.2000 to 31.12.2099.</source>
        <translation>Das Datum muss ein Tag vom 01.01.2000 bis 31.12.2099 sein.</translation>
    </message>
    <message>
        <source>The start time is not a time of day.</source>
        <translation>Die Startzeit ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>The duration must not be negative.</source>
        <translation>Die Dauer darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The distance must be a number of 0 or more.</source>
        <translation>Die Strecke muss eine Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>The heart rate must be a number from 0 to 300.</source>
        <translation>Der Puls muss eine Zahl von 0 bis 300 sein.</translation>
    </message>
    <message>
        <source>The temperature is not a plausible number.</source>
        <translation>Die Temperatur ist keine plausible Zahl.</translation>
    </message>
    <message>
        <source>The date or time does not exist.</source>
        <translation>Datum oder Uhrzeit gibt es nicht.</translation>
    </message>
    <message>
        <source>The date must lie between 01.01.2000 and 31.12.2099.</source>
        <translation>Das Datum muss zwischen 01.01.2000 und 31.12.2099 liegen.</translation>
    </message>
    <message>
        <source>DATEN NICHT AUSWERTBAR</source>
        <translation>DATEN NICHT AUSWERTBAR</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>keine Messwerte</translation>
    </message>
</context>
<context>
    <name>vx::ImportWindow</name>
    <message>
        <source>Rad Leistung</source>
        <translation>Rad Leistung</translation>
    </message>
    <message>
        <source>Trainingsbereiche Leistung</source>
        <translation>Trainingsbereiche Leistung</translation>
    </message>
    <message>
        <source>Rad Puls</source>
        <translation>Rad Puls</translation>
    </message>
    <message>
        <source>Trainingsbereiche Puls (Rad)</source>
        <translation>Trainingsbereiche Puls (Rad)</translation>
    </message>
    <message>
        <source>Laufen</source>
        <translation>Laufen</translation>
    </message>
    <message>
        <source>Trainingsbereiche Puls (Laufen)</source>
        <translation>Trainingsbereiche Puls (Laufen)</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>BITTE WARTEN</translation>
    </message>
</context>
<context>
    <name>vx::SummaryTexts</name>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Höhendifferenz</source>
        <translation>Höhendifferenz</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Arbeit</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Gesamtstrecke</source>
        <translation>Gesamtstrecke</translation>
    </message>
    <message>
        <source>Gewählte Strecke</source>
        <translation>Gewählte Strecke</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Steigung</source>
        <translation>Steigung</translation>
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
    <message>
        <source>Diese Quelle ist noch nicht verfügbar</source>
        <translation>Unbekannter Fehler&lt;/source&gt;
        &lt;translation&gt;Unbekannter Fehler&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;vx::TForm1&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt; (noch nicht verfügbar)&lt;/source&gt;
        &lt;translation&gt; (noch nicht verfügbar)&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrer&lt;/source&gt;
        &lt;translation&gt;Fahrer&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrer wählen und Fahrerdaten einstellen&lt;/source&gt;
        &lt;translation&gt;Fahrer wählen und Fahrerdaten einstellen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tagebuch&lt;/source&gt;
        &lt;translation&gt;Tagebuch&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tagebuch öffnen&lt;/source&gt;
        &lt;translation&gt;Tagebuch öffnen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Einstellungen&lt;/source&gt;
        &lt;translation&gt;Einstellungen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrer- und Radeinstellungen&lt;/source&gt;
        &lt;translation&gt;Fahrer- und Radeinstellungen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Laden&lt;/source&gt;
        &lt;translation&gt;Laden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Einstellungen laden&lt;/source&gt;
        &lt;translation&gt;Einstellungen laden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Senden&lt;/source&gt;
        &lt;translation&gt;Senden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Einstellungen senden&lt;/source&gt;
        &lt;translation&gt;Einstellungen senden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Kalender&lt;/source&gt;
        &lt;translation&gt;Kalender&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;kalendarische Darstellung der Trainigsdaten&lt;/source&gt;
        &lt;translation&gt;kalendarische Darstellung der Trainigsdaten&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrt laden&lt;/source&gt;
        &lt;translation&gt;Fahrt laden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrt laden / mehr mit Rechtsklick&lt;/source&gt;
        &lt;translation&gt;Fahrt laden / mehr mit Rechtsklick&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Extras&lt;/source&gt;
        &lt;translation&gt;Extras&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Test&lt;/source&gt;
        &lt;translation&gt;Test&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Schnittstellentest&lt;/source&gt;
        &lt;translation&gt;Schnittstellentest&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Anzeige&lt;/source&gt;
        &lt;translation&gt;Anzeige&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Benutzeranzeige&lt;/source&gt;
        &lt;translation&gt;Benutzeranzeige&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Löschen&lt;/source&gt;
        &lt;translation&gt;Löschen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Alle Fahrten im Torkon löschen&lt;/source&gt;
        &lt;translation&gt;Alle Fahrten im Torkon löschen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Abbruch&lt;/source&gt;
        &lt;translation&gt;Abbruch&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Farben&lt;/source&gt;
        &lt;translation&gt;Farben&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Farben festlegen&lt;/source&gt;
        &lt;translation&gt;Farben festlegen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Sprache&lt;/source&gt;
        &lt;translation&gt;Sprache&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Sprache wählen&lt;/source&gt;
        &lt;translation&gt;Sprache wählen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrer löschen&lt;/source&gt;
        &lt;translation&gt;Fahrer löschen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Mail&lt;/source&gt;
        &lt;translation&gt;Mail&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Mail-Einstellungen&lt;/source&gt;
        &lt;translation&gt;Mail-Einstellungen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Diagramme&lt;/source&gt;
        &lt;translation&gt;Diagramme&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Diagrammeinstellungen ändern&lt;/source&gt;
        &lt;translation&gt;Diagrammeinstellungen ändern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Kalendereinstellungen ändern&lt;/source&gt;
        &lt;translation&gt;Kalendereinstellungen ändern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;DEO -&gt; Tagebuch&lt;/source&gt;
        &lt;translation&gt;DEO -&gt; Tagebuch&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Deo ins Tagebuch einfügen&lt;/source&gt;
        &lt;translation&gt;Deo ins Tagebuch einfügen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Vergleich&lt;/source&gt;
        &lt;translation&gt;Vergleich&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Deo zum Vergleich speichern&lt;/source&gt;
        &lt;translation&gt;Deo zum Vergleich speichern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;DEO + DEO&lt;/source&gt;
        &lt;translation&gt;DEO + DEO&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Zwei Fahrten zusammenfügen&lt;/source&gt;
        &lt;translation&gt;Zwei Fahrten zusammenfügen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tagebuch -&gt; CSV&lt;/source&gt;
        &lt;translation&gt;Tagebuch -&gt; CSV&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Ganzes Tagebuch als CSV-Datei exportieren&lt;/source&gt;
        &lt;translation&gt;Ganzes Tagebuch als CSV-Datei exportieren&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;CSV -&gt; DEO&lt;/source&gt;
        &lt;translation&gt;CSV -&gt; DEO&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;CSV-Datei in DEO-Datei umwandeln&lt;/source&gt;
        &lt;translation&gt;CSV-Datei in DEO-Datei umwandeln&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;DEO -&gt; CSV&lt;/source&gt;
        &lt;translation&gt;DEO -&gt; CSV&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;DEO-Datei in CSV-Datei umwandeln&lt;/source&gt;
        &lt;translation&gt;DEO-Datei in CSV-Datei umwandeln&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Uhrzeit&lt;/source&gt;
        &lt;translation&gt;Uhrzeit&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Datum und Uhrzeit im Torkon stellen&lt;/source&gt;
        &lt;translation&gt;Datum und Uhrzeit im Torkon stellen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Firmware&lt;/source&gt;
        &lt;translation&gt;Firmware&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Neue Firmware zum Torkon senden&lt;/source&gt;
        &lt;translation&gt;Neue Firmware zum Torkon senden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;COM&lt;/source&gt;
        &lt;translation&gt;COM&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;COM-Geschwindigkeit ändern&lt;/source&gt;
        &lt;translation&gt;COM-Geschwindigkeit ändern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Schließen&lt;/source&gt;
        &lt;translation&gt;Schließen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt; (keine Quelle gewählt)&lt;/source&gt;
        &lt;translation&gt; (keine Quelle gewählt)&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Ändern&lt;/source&gt;
        &lt;translation&gt;Ändern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Verwerfen&lt;/source&gt;
        &lt;translation&gt;Verwerfen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Trainingsbereiche festlegen&lt;/source&gt;
        &lt;translation&gt;Trainingsbereiche festlegen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Gewicht&lt;/source&gt;
        &lt;translation&gt;Gewicht&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Größe&lt;/source&gt;
        &lt;translation&gt;Größe&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Wollen Sie den Fahrer wirklich löschen?&lt;/source&gt;
        &lt;translation&gt;Wollen Sie den Fahrer wirklich löschen?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Nein&lt;/source&gt;
        &lt;translation&gt;Nein&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Schwellenleistung&lt;/source&gt;
        &lt;translation&gt;Schwellenleistung&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Höhe&lt;/source&gt;
        &lt;translation&gt;Höhe&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;K-Faktor&lt;/source&gt;
        &lt;translation&gt;K-Faktor&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Radumfang [mm]&lt;/source&gt;
        &lt;translation&gt;Radumfang [mm]&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Gewichtseinheit&lt;/source&gt;
        &lt;translation&gt;Gewichtseinheit&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Speicherintervall&lt;/source&gt;
        &lt;translation&gt;Speicherintervall&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Zeitanzeige&lt;/source&gt;
        &lt;translation&gt;Zeitanzeige&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Datumsanzeige&lt;/source&gt;
        &lt;translation&gt;Datumsanzeige&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Strecke&lt;/source&gt;
        &lt;translation&gt;Strecke&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Rad&lt;/source&gt;
        &lt;translation&gt;Rad&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Temperatur&lt;/source&gt;
        &lt;translation&gt;Temperatur&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Dämpfung Leistung&lt;/source&gt;
        &lt;translation&gt;Dämpfung Leistung&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Dämpfung Puls&lt;/source&gt;
        &lt;translation&gt;Dämpfung Puls&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Leistungsanzeige&lt;/source&gt;
        &lt;translation&gt;Leistungsanzeige&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Übernehmen + speichern&lt;/source&gt;
        &lt;translation&gt;Übernehmen + speichern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Übernehmen&lt;/source&gt;
        &lt;translation&gt;Übernehmen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;BITTE WARTEN&lt;/source&gt;
        &lt;translation&gt;BITTE WARTEN&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Schwelle&lt;/source&gt;
        &lt;translation&gt;Schwelle&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Länge&lt;/source&gt;
        &lt;translation&gt;Länge&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Zeitformat&lt;/source&gt;
        &lt;translation&gt;Zeitformat&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Datumsformat&lt;/source&gt;
        &lt;translation&gt;Datumsformat&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;RÜCKSTELLUNG DER FARBEN&lt;/source&gt;
        &lt;translation&gt;RÜCKSTELLUNG DER FARBEN&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;ZEICHENFLÄCHE&lt;/source&gt;
        &lt;translation&gt;ZEICHENFLÄCHE&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;POWER&lt;/source&gt;
        &lt;translation&gt;POWER&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;RPM&lt;/source&gt;
        &lt;translation&gt;RPM&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;PULS&lt;/source&gt;
        &lt;translation&gt;PULS&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;SPEED&lt;/source&gt;
        &lt;translation&gt;SPEED&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;HÖHE&lt;/source&gt;
        &lt;translation&gt;HÖHE&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;GANG&lt;/source&gt;
        &lt;translation&gt;GANG&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;TEMPERATUR&lt;/source&gt;
        &lt;translation&gt;TEMPERATUR&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;GITTER&lt;/source&gt;
        &lt;translation&gt;GITTER&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;T / D - SKALA&lt;/source&gt;
        &lt;translation&gt;T / D - SKALA&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;INTERVALL&lt;/source&gt;
        &lt;translation&gt;INTERVALL&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;LÄUF./SCHWI.&lt;/source&gt;
        &lt;translation&gt;LÄUF./SCHWI.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;STEIGUNG&lt;/source&gt;
        &lt;translation&gt;STEIGUNG&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Fahrer:&lt;/source&gt;
        &lt;translation&gt;Fahrer:&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;nur vorübergehend angelegt&lt;/source&gt;
        &lt;translation&gt;nur vorübergehend angelegt&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Es sind keine Fahrten für diesen Fahrer gespeichert!&lt;/source&gt;
        &lt;translation&gt;Es sind keine Fahrten für diesen Fahrer gespeichert!&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Quelle&lt;/source&gt;
        &lt;translation&gt;Quelle&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;DEO-Dateien einfügen&lt;/source&gt;
        &lt;translation&gt;DEO-Dateien einfügen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;%1 Fahrten eingefügt&lt;/source&gt;
        &lt;translation&gt;%1 Fahrten eingefügt&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Die Fahrtenliste konnte nicht gespeichert werden:
%1&lt;/source&gt;
        &lt;translation&gt;Die Fahrtenliste konnte nicht gespeichert werden:
%1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Speichern&lt;/source&gt;
        &lt;translation&gt;Speichern&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Bitte einen Fahrer wählen&lt;/source&gt;
        &lt;translation&gt;Bitte einen Fahrer wählen&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Kein Ordner gewählt&lt;/source&gt;
        &lt;translation&gt;Kein Ordner gewählt&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Die Fahrtenliste konnte nicht gespeichert werden&lt;/source&gt;
        &lt;translation&gt;Die Fahrtenliste konnte nicht gespeichert werden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Bitte nur Zahlen eingeben&lt;/source&gt;
        &lt;translation&gt;Bitte nur Zahlen eingeben&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Die Zonen 1 bis 6 aufsteigend eingeben&lt;/source&gt;
        &lt;translation&gt;Die Zonen 1 bis 6 aufsteigend eingeben&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Zone A von bis eingeben&lt;/source&gt;
        &lt;translation&gt;Zone A von bis eingeben&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Eine Zone entfällt, wenn das Feld leer ist&lt;/source&gt;
        &lt;translation&gt;Eine Zone entfällt, wenn das Feld leer ist&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Die Zonen können mit einem Rechtsklick geändert werden&lt;/source&gt;
        &lt;translation&gt;Die Zonen können mit einem Rechtsklick geändert werden&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Diese Quelle ist noch nicht verfügbar</translation>
    </message>
    <message>
        <source>Die Schwelle muss zwischen %1 und %2 liegen.</source>
        <translation>Die Schwelle muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Bitte mindestens eine Zonengrenze eingeben.</source>
        <translation>Bitte mindestens eine Zonengrenze eingeben.</translation>
    </message>
</context>
<context>
    <name>vx::TForm3</name>
    <message>
        <source>%1 Fahrten gefunden</source>
        <translation>%1 Fahrten gefunden</translation>
    </message>
    <message>
        <source>Datum / Zeit</source>
        <translation>Datum / Zeit</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source> Leistung 1</source>
        <translation> Leistung 1</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation>Geschw.</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source> D HÖHE</source>
        <translation> D HÖHE</translation>
    </message>
    <message>
        <source>Arbeit</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source> Leistung 2</source>
        <translation> Leistung 2</translation>
    </message>
    <message>
        <source>Kommentar2</source>
        <translation>Kommentar2</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>kein Kommentar</source>
        <translation>kein Kommentar</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Alle Fahrten wählen</source>
        <translation>Alle Fahrten wählen</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Anfangsdatum anklicken</source>
        <translation>Anfangsdatum anklicken</translation>
    </message>
    <message>
        <source>Enddatum anklicken</source>
        <translation>Enddatum anklicken</translation>
    </message>
    <message>
        <source>Sortieren auf- oder abwärts (rechte Maustaste)</source>
        <translation>Sortieren auf- oder abwärts (rechte Maustaste)</translation>
    </message>
    <message>
        <source>Wollen Sie die Fahrt wirklich löschen?</source>
        <translation>Wollen Sie die Fahrt wirklich löschen?</translation>
    </message>
    <message>
        <source>Es wurden keine 2 Fahrten markiert</source>
        <translation>Es wurden keine 2 Fahrten markiert</translation>
    </message>
    <message>
        <source>Speicherintervalle ungleich</source>
        <translation>Speicherintervalle ungleich</translation>
    </message>
    <message>
        <source>Puls Aufzeichnung fehlerhaft</source>
        <translation>Puls Aufzeichnung fehlerhaft</translation>
    </message>
    <message>
        <source>Bitte eine oder mehrere Fahrten markieren</source>
        <translation>Bitte eine oder mehrere Fahrten markieren</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Fahrt als Grafik zeigen</source>
        <translation>Fahrt als Grafik zeigen</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Fahrt numerisch zeigen</source>
        <translation>Fahrt numerisch zeigen</translation>
    </message>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (noch nicht verfügbar)</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Auswertung Fahrt</source>
        <translation>Auswertung Fahrt</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>2 Fahrten grafisch vergleichen</source>
        <translation>2 Fahrten grafisch vergleichen</translation>
    </message>
    <message>
        <source>P/RPM</source>
        <translation>P/RPM</translation>
    </message>
    <message>
        <source>Leistung/RPM Leistung/Geschwindigkeit analysieren</source>
        <translation>Leistung/RPM Leistung/Geschwindigkeit analysieren</translation>
    </message>
    <message>
        <source>P/HF</source>
        <translation>P/HF</translation>
    </message>
    <message>
        <source>Analyse Leistung - Puls</source>
        <translation>Analyse Leistung - Puls</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Fahrt löschen</source>
        <translation>Fahrt löschen</translation>
    </message>
    <message>
        <source>Eintrag</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Dateneingabe für Läufer/Schwimmer</source>
        <translation>Dateneingabe für Läufer/Schwimmer</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Sortieren A-Z</source>
        <translation>Sortieren A-Z</translation>
    </message>
    <message>
        <source>Sortieren Z-A</source>
        <translation>Sortieren Z-A</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Laufen</source>
        <translation>Laufen</translation>
    </message>
    <message>
        <source>Schwimmen</source>
        <translation>Schwimmen</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Ski</source>
        <translation>Ski</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>BITTE WARTEN</translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation>Bitte nur Zahlen eingeben</translation>
    </message>
</context>
<context>
    <name>vx::TForm30</name>
    <message>
        <source>Strecke</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Skala (Zeit/Strecke)</source>
        <translation>Skala (Zeit/Strecke)</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Ganze Fahrt zeigen</source>
        <translation>Ganze Fahrt zeigen</translation>
    </message>
    <message>
        <source>Seite zurück</source>
        <translation>Seite zurück</translation>
    </message>
    <message>
        <source>Seite vor</source>
        <translation>Seite vor</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Linke Maustaste vergrößern / rechte verkleinern</source>
        <translation>Linke Maustaste vergrößern / rechte verkleinern</translation>
    </message>
    <message>
        <source>Bereich</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Zoom wählbar</source>
        <translation>Zoom wählbar</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Auswertung Fahrt</source>
        <translation>Auswertung Fahrt</translation>
    </message>
    <message>
        <source>Abschnitt</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Auswertung Abschnitt</source>
        <translation>Auswertung Abschnitt</translation>
    </message>
    <message>
        <source>Sortiert</source>
        <translation>Sortiert</translation>
    </message>
    <message>
        <source>Sortiert Leistung, RPM, Geschwindigkeit, Puls</source>
        <translation>Sortiert Leistung, RPM, Geschwindigkeit, Puls</translation>
    </message>
    <message>
        <source>P/HF</source>
        <translation>P/HF</translation>
    </message>
    <message>
        <source>Leistung / Puls</source>
        <translation>Leistung / Puls</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Gang</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Geschwindigkeit/RPM (gewählter Gang)</source>
        <translation>Geschwindigkeit/RPM (gewählter Gang)</translation>
    </message>
    <message>
        <source>Pausen</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Pausen zeigen</source>
        <translation>Pausen zeigen</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Temperatur zeigen</source>
        <translation>Temperatur zeigen</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Intervalle zeigen</source>
        <translation>Intervalle zeigen</translation>
    </message>
    <message>
        <source>Zonen</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>Schwelle zeigen</source>
        <translation>Schwelle zeigen</translation>
    </message>
    <message>
        <source>Drehm.</source>
        <translation>Drehm.</translation>
    </message>
    <message>
        <source>Drehmoment [Nm] / Rechtsklick % Leistung rechts</source>
        <translation>Drehmoment [Nm] / Rechtsklick % Leistung rechts</translation>
    </message>
    <message>
        <source>Steigung</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Steigung zeigen (15 Datensätze)</source>
        <translation>Steigung zeigen (15 Datensätze)</translation>
    </message>
    <message>
        <source>Lupe</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Lupe / mehr mit Rechtsklick</source>
        <translation>Lupe / mehr mit Rechtsklick</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Daten als Tabelle zeigen</source>
        <translation>Daten als Tabelle zeigen</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Tagebuch, um eine Fahrt zu wählen</source>
        <translation>Tagebuch, um eine Fahrt zu wählen</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Eine andere DEO-Datei laden</source>
        <translation>Eine andere DEO-Datei laden</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (noch nicht verfügbar)</translation>
    </message>
    <message>
        <source>Leistung</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Steigrate</source>
        <translation>Steigrate</translation>
    </message>
    <message>
        <source>Drehmoment [Nm]</source>
        <translation>Drehmoment [Nm]</translation>
    </message>
    <message>
        <source>Zeigen / verbergen, Skalierung + Glättung</source>
        <translation>Zeigen / verbergen, Skalierung + Glättung</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>sichtbar</translation>
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
        <translation>Glättung</translation>
    </message>
    <message>
        <source>Linie 1</source>
        <translation>Linie 1</translation>
    </message>
    <message>
        <source>Linie 2</source>
        <translation>Linie 2</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Einstellungen als Standard übernehmen</source>
        <translation>Einstellungen als Standard übernehmen</translation>
    </message>
</context>
<context>
    <name>vx::TForm400</name>
    <message>
        <source>Grundlagen der Leistungsberechnung</source>
        <translation>Grundlagen der Leistungsberechnung</translation>
    </message>
    <message>
        <source>Fahrer [kg]</source>
        <translation>Fahrer [kg]</translation>
    </message>
    <message>
        <source>Rad mit Laufrädern [kg]</source>
        <translation>Rad mit Laufrädern [kg]</translation>
    </message>
    <message>
        <source>Gepäck, Kleidung [kg]</source>
        <translation>Gepäck, Kleidung [kg]</translation>
    </message>
    <message>
        <source>Vorderrad [kg]</source>
        <translation>Vorderrad [kg]</translation>
    </message>
    <message>
        <source>Hinterrad [kg]</source>
        <translation>Hinterrad [kg]</translation>
    </message>
    <message>
        <source>Mittelungsbasis [s]</source>
        <translation>Mittelungsbasis [s]</translation>
    </message>
    <message>
        <source>cwA Fahrer [m²]</source>
        <translation>cwA Fahrer [m²]</translation>
    </message>
    <message>
        <source>cwA Rad [m²]</source>
        <translation>cwA Rad [m²]</translation>
    </message>
    <message>
        <source>Rollreibungsbeiwert</source>
        <translation>Rollreibungsbeiwert</translation>
    </message>
    <message>
        <source>Wirkungsgrad</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>Wind [m/s]</source>
        <translation>Wind [m/s]</translation>
    </message>
    <message>
        <source>ÜBERNEHMEN</source>
        <translation>ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>VERWERFEN</source>
        <translation>VERWERFEN</translation>
    </message>
    <message>
        <source>Ungültiger Wert: %1</source>
        <translation>Ungültiger Wert: %1</translation>
    </message>
    <message>
        <source>Die Mittelungsbasis muss zwischen 1 und %1 liegen</source>
        <translation>Die Mittelungsbasis muss zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>Die Fahrt ist zu kurz für diese Mittelungsbasis</source>
        <translation>Die Fahrt ist zu kurz für diese Mittelungsbasis</translation>
    </message>
</context>
<context>
    <name>vx::TForm570</name>
    <message>
        <source>Höhenkorrektur</source>
        <translation>Höhenkorrektur</translation>
    </message>
    <message>
        <source>Ohne Pausen</source>
        <translation>Ohne Pausen</translation>
    </message>
</context>
<context>
    <name>vx::TForm7</name>
    <message>
        <source>DATUM    ZEIT</source>
        <translation>DATUM    ZEIT</translation>
    </message>
    <message>
        <source>DATUM</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>ZEIT</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>ÜBERNEHMEN</source>
        <translation>ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>VERWERFEN</source>
        <translation>VERWERFEN</translation>
    </message>
    <message>
        <source>Eine Fahrt mit diesem Datum und dieser Uhrzeit ist schon gespeichert.</source>
        <translation>Eine Fahrt mit diesem Datum und dieser Uhrzeit ist schon gespeichert.</translation>
    </message>
</context>
</TS>
