<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>vx::Application</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>vx::CoreMessages</name>
    <message>
        <source>The date must be a day from 01.01.2000 to 31.12.2099.</source>
        <translation>La fecha debe ser un día del 01.01.2000 al 31.12.2099.</translation>
    </message>
    <message>
        <source>The start time is not a time of day.</source>
        <translation>La hora de inicio no es una hora del día.</translation>
    </message>
    <message>
        <source>The duration must not be negative.</source>
        <translation>La duración no puede ser negativa.</translation>
    </message>
    <message>
        <source>The distance must be a number of 0 or more.</source>
        <translation>La distancia debe ser un número de 0 o más.</translation>
    </message>
    <message>
        <source>The heart rate must be a number from 0 to 300.</source>
        <translation>El pulso debe ser un número de 0 a 300.</translation>
    </message>
    <message>
        <source>The temperature is not a plausible number.</source>
        <translation>La temperatura no es un número plausible.</translation>
    </message>
    <message>
        <source>The date or time does not exist.</source>
        <translation>La fecha o la hora no existen.</translation>
    </message>
    <message>
        <source>The date must lie between 01.01.2000 and 31.12.2099.</source>
        <translation>La fecha debe estar entre 01.01.2000 y 31.12.2099.</translation>
    </message>
    <message>
        <source>DATEN NICHT AUSWERTBAR</source>
        <translation>DATEN NICHT AUSWERTBAR</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>sin registros</translation>
    </message>
</context>
<context>
    <name>vx::ImportWindow</name>
    <message>
        <source>Rad Leistung</source>
        <translation>Bici potencia</translation>
    </message>
    <message>
        <source>Trainingsbereiche Leistung</source>
        <translation>zonas de entrenamiento potencia</translation>
    </message>
    <message>
        <source>Rad Puls</source>
        <translation>Bici pulso</translation>
    </message>
    <message>
        <source>Trainingsbereiche Puls (Rad)</source>
        <translation>zonas de entrenamiento pulso (bici)</translation>
    </message>
    <message>
        <source>Laufen</source>
        <translation>Correr</translation>
    </message>
    <message>
        <source>Trainingsbereiche Puls (Laufen)</source>
        <translation>zonas de entrenamiento pulso (correr)</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>ESPERE POR FAVOR</translation>
    </message>
</context>
<context>
    <name>vx::SummaryTexts</name>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Höhendifferenz</source>
        <translation>Diferencia de altitud</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Arbeit</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Gesamtstrecke</source>
        <translation>Distancia total</translation>
    </message>
    <message>
        <source>Gewählte Strecke</source>
        <translation>Distancia elegida</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Steigung</source>
        <translation>Pendiente</translation>
    </message>
</context>
<context>
    <name>vx::TForm1</name>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (todavía no disponible)</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Ciclista</translation>
    </message>
    <message>
        <source>Fahrer wählen und Fahrerdaten einstellen</source>
        <translation>Seleccionar ciclista y ajustar sus datos</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Tagebuch öffnen</source>
        <translation>Abrir diario</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Fahrer- und Radeinstellungen</source>
        <translation>Ajustes de ciclista y bicicleta</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Leer ajustes</translation>
    </message>
    <message>
        <source>Einstellungen laden</source>
        <translation>Descargar ajustes</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Enviar ajustes</translation>
    </message>
    <message>
        <source>Einstellungen senden</source>
        <translation>Enviar ajustes</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>kalendarische Darstellung der Trainigsdaten</source>
        <translation>Datos de entrenamiento en vista de calendario</translation>
    </message>
    <message>
        <source>Fahrt laden</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Fahrt laden / mehr mit Rechtsklick</source>
        <translation>Descargar recorrido / más con clic derecho</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Schnittstellentest</source>
        <translation>Prueba de interfaz</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Benutzeranzeige</source>
        <translation>Pantalla de usuario</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Alle Fahrten im Torkon löschen</source>
        <translation>Borrar todos los recorridos del Torkon</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Farben festlegen</source>
        <translation>Definir colores</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Sprache wählen</source>
        <translation>Seleccionar idioma</translation>
    </message>
    <message>
        <source>Fahrer löschen</source>
        <translation>Borrar ciclista</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Mail-Einstellungen</source>
        <translation>Ajustes de correo</translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Diagrammeinstellungen ändern</source>
        <translation>Cambiar ajustes de gráficos</translation>
    </message>
    <message>
        <source>Kalendereinstellungen ändern</source>
        <translation>Cambiar ajustes del calendario</translation>
    </message>
    <message>
        <source>DEO -&gt; Tagebuch</source>
        <translation>DEO -&gt; diario</translation>
    </message>
    <message>
        <source>Deo ins Tagebuch einfügen</source>
        <translation>Insertar Deo en el diario</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Deo zum Vergleich speichern</source>
        <translation>Guardar Deo para comparar</translation>
    </message>
    <message>
        <source>DEO + DEO</source>
        <translation>DEO + DEO</translation>
    </message>
    <message>
        <source>Zwei Fahrten zusammenfügen</source>
        <translation>Unir dos recorridos</translation>
    </message>
    <message>
        <source>Tagebuch -&gt; CSV</source>
        <translation>Diario -&gt; CSV</translation>
    </message>
    <message>
        <source>Ganzes Tagebuch als CSV-Datei exportieren</source>
        <translation>Exportar todo el diario como archivo CSV</translation>
    </message>
    <message>
        <source>CSV -&gt; DEO</source>
        <translation>CSV -&gt; DEO</translation>
    </message>
    <message>
        <source>CSV-Datei in DEO-Datei umwandeln</source>
        <translation>Convertir archivo CSV en archivo DEO</translation>
    </message>
    <message>
        <source>DEO -&gt; CSV</source>
        <translation>DEO -&gt; CSV</translation>
    </message>
    <message>
        <source>DEO-Datei in CSV-Datei umwandeln</source>
        <translation>Convertir archivo DEO en archivo CSV</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit im Torkon stellen</source>
        <translation>Ajustar fecha y hora en el Torkon</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Neue Firmware zum Torkon senden</source>
        <translation>Enviar firmware nueva al Torkon</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>COM-Geschwindigkeit ändern</source>
        <translation>Cambiar la velocidad COM</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> (keine Quelle gewählt)</source>
        <translation> (ninguna fuente seleccionada)</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Trainingsbereiche festlegen</source>
        <translation>Definir zonas de entrenamiento</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Wollen Sie den Fahrer wirklich löschen?</source>
        <translation>¿Quiere borrar realmente al ciclista?</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Schwellenleistung</source>
        <translation>Potencia umbral</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>K-Faktor</source>
        <translation>Factor K</translation>
    </message>
    <message>
        <source>Radumfang [mm]</source>
        <translation>Circunferencia [mm]</translation>
    </message>
    <message>
        <source>Gewichtseinheit</source>
        <translation>Unidad de peso</translation>
    </message>
    <message>
        <source>Speicherintervall</source>
        <translation>Intervalo de registro</translation>
    </message>
    <message>
        <source>Zeitanzeige</source>
        <translation>Mostrar hora</translation>
    </message>
    <message>
        <source>Datumsanzeige</source>
        <translation>Mostrar fecha</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Dämpfung Leistung</source>
        <translation>Amortiguación potencia</translation>
    </message>
    <message>
        <source>Dämpfung Puls</source>
        <translation>Amortiguación pulso</translation>
    </message>
    <message>
        <source>Leistungsanzeige</source>
        <translation>Mostrar potencia</translation>
    </message>
    <message>
        <source>Übernehmen + speichern</source>
        <translation>Aceptar + guardar</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>ESPERE POR FAVOR</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Zeitformat</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>Datumsformat</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>RÜCKSTELLUNG DER FARBEN</source>
        <translation>RESTABLECER LOS COLORES</translation>
    </message>
    <message>
        <source>ZEICHENFLÄCHE</source>
        <translation>ÁREA DE DIBUJO</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>POTENCIA</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>PULS</source>
        <translation>PULSO</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VELOCIDAD</translation>
    </message>
    <message>
        <source>HÖHE</source>
        <translation>ALTITUD</translation>
    </message>
    <message>
        <source>GANG</source>
        <translation>MARCHA</translation>
    </message>
    <message>
        <source>TEMPERATUR</source>
        <translation>TEMPERATURA</translation>
    </message>
    <message>
        <source>GITTER</source>
        <translation>REJILLA</translation>
    </message>
    <message>
        <source>T / D - SKALA</source>
        <translation>ESCALA T / D</translation>
    </message>
    <message>
        <source>INTERVALL</source>
        <translation>INTERVALO</translation>
    </message>
    <message>
        <source>LÄUF./SCHWI.</source>
        <translation>CORR./NAT.</translation>
    </message>
    <message>
        <source>STEIGUNG</source>
        <translation>PENDIENTE</translation>
    </message>
    <message>
        <source>Fahrer:</source>
        <translation>Ciclista:</translation>
    </message>
    <message>
        <source>nur vorübergehend angelegt</source>
        <translation>creado solo temporalmente</translation>
    </message>
    <message>
        <source>Es sind keine Fahrten für diesen Fahrer gespeichert!</source>
        <translation>No existen recorridos para este ciclista</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>DEO-Dateien einfügen</source>
        <translation>Insertar archivos DEO</translation>
    </message>
    <message>
        <source>%1 Fahrten eingefügt</source>
        <translation>%1 recorridos insertados</translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden:
%1</source>
        <translation>No se pudo guardar la lista de recorridos:
%1</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Bitte einen Fahrer wählen</source>
        <translation>Elija un ciclista</translation>
    </message>
    <message>
        <source>Kein Ordner gewählt</source>
        <translation>Ninguna carpeta elegida</translation>
    </message>
    <message>
        <source>Die Fahrtenliste konnte nicht gespeichert werden</source>
        <translation>No se pudo guardar la lista de recorridos</translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation>Introduzca solo números</translation>
    </message>
    <message>
        <source>Die Zonen 1 bis 6 aufsteigend eingeben</source>
        <translation>Introduzca las zonas 1 a 6 de forma ascendente</translation>
    </message>
    <message>
        <source>Zone A von bis eingeben</source>
        <translation>Introduzca la zona A de hasta</translation>
    </message>
    <message>
        <source>Eine Zone entfällt, wenn das Feld leer ist</source>
        <translation>Una zona se omite si el campo está vacío</translation>
    </message>
    <message>
        <source>Die Zonen können mit einem Rechtsklick geändert werden</source>
        <translation>Las zonas se pueden cambiar con un clic derecho</translation>
    </message>
    <message>
        <source>Diese Quelle ist noch nicht verfügbar</source>
        <translation>Esta fuente todavía no está disponible</translation>
    </message>
    <message>
        <source>Die Schwelle muss zwischen %1 und %2 liegen.</source>
        <translation>El umbral debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Bitte mindestens eine Zonengrenze eingeben.</source>
        <translation>Introduzca al menos un límite de zona.</translation>
    </message>
</context>
<context>
    <name>vx::TForm3</name>
    <message>
        <source>%1 Fahrten gefunden</source>
        <translation>%1 recorridos encontrados</translation>
    </message>
    <message>
        <source>Datum / Zeit</source>
        <translation>Fecha / Hora</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source> Leistung 1</source>
        <translation> Potencia 1</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Geschw.</source>
        <translation>Veloc.</translation>
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
        <translation>Trabajo</translation>
    </message>
    <message>
        <source> Leistung 2</source>
        <translation> Potencia 2</translation>
    </message>
    <message>
        <source>Kommentar2</source>
        <translation>Comentario2</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>kein Kommentar</source>
        <translation>sin comentario</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Alle Fahrten wählen</source>
        <translation>Seleccionar todos los recorridos</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Anfangsdatum anklicken</source>
        <translation>clic en fecha inicial</translation>
    </message>
    <message>
        <source>Enddatum anklicken</source>
        <translation>clic en fecha final</translation>
    </message>
    <message>
        <source>Sortieren auf- oder abwärts (rechte Maustaste)</source>
        <translation>Ordenar ascendente o descendente (botón derecho)</translation>
    </message>
    <message>
        <source>Wollen Sie die Fahrt wirklich löschen?</source>
        <translation>¿Quiere borrar el recorrido?</translation>
    </message>
    <message>
        <source>Es wurden keine 2 Fahrten markiert</source>
        <translation>Favor de seleccionar dos recorridos</translation>
    </message>
    <message>
        <source>Speicherintervalle ungleich</source>
        <translation>Ritmo de registro diferente</translation>
    </message>
    <message>
        <source>Puls Aufzeichnung fehlerhaft</source>
        <translation>Fallo de señal de pulso</translation>
    </message>
    <message>
        <source>Bitte eine oder mehrere Fahrten markieren</source>
        <translation>Seleccione uno o más recorridos</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Fahrt als Grafik zeigen</source>
        <translation>Mostrar recorrido como gráfico</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Fahrt numerisch zeigen</source>
        <translation>Mostrar recorrido en números</translation>
    </message>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (todavía no disponible)</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Auswertung Fahrt</source>
        <translation>Resumen del recorrido</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>2 Fahrten grafisch vergleichen</source>
        <translation>Comparar 2 recorridos en gráfico</translation>
    </message>
    <message>
        <source>P/RPM</source>
        <translation>P/RPM</translation>
    </message>
    <message>
        <source>Leistung/RPM Leistung/Geschwindigkeit analysieren</source>
        <translation>Analizar potencia/RPM potencia/velocidad</translation>
    </message>
    <message>
        <source>P/HF</source>
        <translation>P/FC</translation>
    </message>
    <message>
        <source>Analyse Leistung - Puls</source>
        <translation>Análisis potencia - pulso</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Fahrt löschen</source>
        <translation>Borrar recorrido</translation>
    </message>
    <message>
        <source>Eintrag</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Dateneingabe für Läufer/Schwimmer</source>
        <translation>Entrada de datos para corredores/nadadores</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Sortieren A-Z</source>
        <translation>Ordenar A-Z</translation>
    </message>
    <message>
        <source>Sortieren Z-A</source>
        <translation>Ordenar Z-A</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Laufen</source>
        <translation>Correr</translation>
    </message>
    <message>
        <source>Schwimmen</source>
        <translation>Natación</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Ski</source>
        <translation>Esquí</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>BITTE WARTEN</source>
        <translation>ESPERE POR FAVOR</translation>
    </message>
    <message>
        <source>Bitte nur Zahlen eingeben</source>
        <translation>Introduzca solo números</translation>
    </message>
</context>
<context>
    <name>vx::TForm30</name>
    <message>
        <source>Strecke</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Skala (Zeit/Strecke)</source>
        <translation>Escala (tiempo/distancia)</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Ganze Fahrt zeigen</source>
        <translation>Mostrar todo el recorrido</translation>
    </message>
    <message>
        <source>Seite zurück</source>
        <translation>Página atrás</translation>
    </message>
    <message>
        <source>Seite vor</source>
        <translation>Página adelante</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Linke Maustaste vergrößern / rechte verkleinern</source>
        <translation>Botón izquierdo ampliar / derecho reducir</translation>
    </message>
    <message>
        <source>Bereich</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Zoom wählbar</source>
        <translation>Zoom seleccionable</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Auswertung Fahrt</source>
        <translation>Resumen del recorrido</translation>
    </message>
    <message>
        <source>Abschnitt</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Auswertung Abschnitt</source>
        <translation>Resumen de la sección</translation>
    </message>
    <message>
        <source>Sortiert</source>
        <translation>Ordenado</translation>
    </message>
    <message>
        <source>Sortiert Leistung, RPM, Geschwindigkeit, Puls</source>
        <translation>Potencia, RPM, velocidad, pulso ordenados</translation>
    </message>
    <message>
        <source>P/HF</source>
        <translation>P/FC</translation>
    </message>
    <message>
        <source>Leistung / Puls</source>
        <translation>Potencia / pulso</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Gang</source>
        <translation>Marcha</translation>
    </message>
    <message>
        <source>Geschwindigkeit/RPM (gewählter Gang)</source>
        <translation>Velocidad/RPM (marcha elegida)</translation>
    </message>
    <message>
        <source>Pausen</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>Pausen zeigen</source>
        <translation>Mostrar paradas</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Temperatur zeigen</source>
        <translation>Mostrar temperatura</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Intervalle zeigen</source>
        <translation>Mostrar intervalos</translation>
    </message>
    <message>
        <source>Zonen</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Schwelle zeigen</source>
        <translation>Mostrar umbral</translation>
    </message>
    <message>
        <source>Drehm.</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Drehmoment [Nm] / Rechtsklick % Leistung rechts</source>
        <translation>par [Nm] / clic derecho % potencia derecha</translation>
    </message>
    <message>
        <source>Steigung</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Steigung zeigen (15 Datensätze)</source>
        <translation>Mostrar pendiente (15 datos)</translation>
    </message>
    <message>
        <source>Lupe</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Lupe / mehr mit Rechtsklick</source>
        <translation>Lupa / más con clic derecho</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Daten als Tabelle zeigen</source>
        <translation>Mostrar datos como tabla</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Tagebuch, um eine Fahrt zu wählen</source>
        <translation>Diario para elegir recorrido</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Eine andere DEO-Datei laden</source>
        <translation>Cargar otro archivo DEO</translation>
    </message>
    <message>
        <source>Kalender</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source> (noch nicht verfügbar)</source>
        <translation> (todavía no disponible)</translation>
    </message>
    <message>
        <source>Leistung</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Puls</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Steigrate</source>
        <translation>Ritmo de ascenso</translation>
    </message>
    <message>
        <source>Drehmoment [Nm]</source>
        <translation>Par [Nm]</translation>
    </message>
    <message>
        <source>Zeigen / verbergen, Skalierung + Glättung</source>
        <translation>Mostrar / ocultar, escala + suavizado</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Linie 1</source>
        <translation>Línea 1</translation>
    </message>
    <message>
        <source>Linie 2</source>
        <translation>Línea 2</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Einstellungen als Standard übernehmen</source>
        <translation>Aplicar ajustes como predeterminados</translation>
    </message>
</context>
<context>
    <name>vx::TForm400</name>
    <message>
        <source>Grundlagen der Leistungsberechnung</source>
        <translation>Bases del cálculo de potencia</translation>
    </message>
    <message>
        <source>Fahrer [kg]</source>
        <translation>Ciclista [kg]</translation>
    </message>
    <message>
        <source>Rad mit Laufrädern [kg]</source>
        <translation>Bicicleta con ruedas [kg]</translation>
    </message>
    <message>
        <source>Gepäck, Kleidung [kg]</source>
        <translation>Equipaje, ropa [kg]</translation>
    </message>
    <message>
        <source>Vorderrad [kg]</source>
        <translation>Rueda delantera [kg]</translation>
    </message>
    <message>
        <source>Hinterrad [kg]</source>
        <translation>Rueda trasera [kg]</translation>
    </message>
    <message>
        <source>Mittelungsbasis [s]</source>
        <translation>Base de promedio [s]</translation>
    </message>
    <message>
        <source>cwA Fahrer [m²]</source>
        <translation>cwA ciclista [m²]</translation>
    </message>
    <message>
        <source>cwA Rad [m²]</source>
        <translation>cwA bicicleta [m²]</translation>
    </message>
    <message>
        <source>Rollreibungsbeiwert</source>
        <translation>Coeficiente de rodadura</translation>
    </message>
    <message>
        <source>Wirkungsgrad</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Wind [m/s]</source>
        <translation>Viento [m/s]</translation>
    </message>
    <message>
        <source>ÜBERNEHMEN</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>VERWERFEN</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Ungültiger Wert: %1</source>
        <translation>Valor no válido: %1</translation>
    </message>
    <message>
        <source>Die Mittelungsbasis muss zwischen 1 und %1 liegen</source>
        <translation>La base de promedio debe estar entre 1 y %1</translation>
    </message>
    <message>
        <source>Die Fahrt ist zu kurz für diese Mittelungsbasis</source>
        <translation>El recorrido es demasiado corto para esta base de promedio</translation>
    </message>
</context>
<context>
    <name>vx::TForm570</name>
    <message>
        <source>Höhenkorrektur</source>
        <translation>corrección de altitud</translation>
    </message>
    <message>
        <source>Ohne Pausen</source>
        <translation>Sin pausas</translation>
    </message>
</context>
<context>
    <name>vx::TForm7</name>
    <message>
        <source>DATUM    ZEIT</source>
        <translation>Fecha / Hora</translation>
    </message>
    <message>
        <source>DATUM</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>ZEIT</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>ÜBERNEHMEN</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>VERWERFEN</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Eine Fahrt mit diesem Datum und dieser Uhrzeit ist schon gespeichert.</source>
        <translation>Ya existe un recorrido con esta fecha y hora.</translation>
    </message>
</context>
</TS>
