<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ContextIDs</name>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Die Hilfe kann nicht angezeigt werden. Zu diesem Projekt gibt es keine Hilfe.</translation>
    </message>
</context>
<context>
    <name>ContextIDs::HelpWindow</name>
    <message>
        <source>Vaporwright Help</source>
        <translation>Vaporwright-Hilfe</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Cannot open the help file %1: %2</source>
        <translation>Die Hilfedatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Cannot read the help file %1: %2</source>
        <translation>Die Hilfedatei %1 lässt sich nicht lesen: %2</translation>
    </message>
</context>
<context>
    <name>Credit</name>
    <message>
        <source>Vaporwright Credit Screen</source>
        <translation>Vaporwright – Mitwirkende</translation>
    </message>
    <message>
        <source>Vaporwright was written by Tobias R. Quenneville (Dunmore Tollis Software).
Dedicated to Margit Elsholz, Anselm Okafor and Rosalind Thwaite.

Thank you all for your patience during the development of this software.</source>
        <translation>Vaporwright wurde von Tobias R. Quenneville (Dunmore Tollis Software) geschrieben.
Gewidmet Margit Elsholz, Anselm Okafor und Rosalind Thwaite.

Ihnen allen danke für Ihre Geduld während der Entwicklung dieser Software.</translation>
    </message>
</context>
<context>
    <name>DialogAccessibility</name>
    <message>
        <source>Vaporwright</source>
        <translation>Vaporwright</translation>
    </message>
    <message>
        <source>Shown while Vaporwright starts; it closes by itself.</source>
        <translation>Wird beim Start von Vaporwright gezeigt und schließt sich von selbst.</translation>
    </message>
    <message>
        <source>Vaporwright emblem</source>
        <translation>Vaporwright-Emblem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the About window.</source>
        <translation>Schließt das Fenster „Über Vaporwright“.</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Starts the system&apos;s information tool to show the computer&apos;s hardware and software.</source>
        <translation>Startet das Informationsprogramm des Systems, das Hard- und Software des Rechners zeigt.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>The disclaimer of Vaporwright, to read; it cannot be edited.</source>
        <translation>Der Haftungsausschluss von Vaporwright zum Lesen; er lässt sich nicht bearbeiten.</translation>
    </message>
    <message>
        <source>Closes the disclaimer.</source>
        <translation>Schließt den Haftungsausschluss.</translation>
    </message>
    <message>
        <source>Read the Disclaimer</source>
        <translation>Haftungsausschluss lesen</translation>
    </message>
    <message>
        <source>Opens the text of the disclaimer.</source>
        <translation>Öffnet den Text des Haftungsausschlusses.</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>Ich habe den Haftungsausschluss gelesen und:</translation>
    </message>
    <message>
        <source>Agree or disagree with the disclaimer.</source>
        <translation>Dem Haftungsausschluss zustimmen oder ihn ablehnen.</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Disagrees with the disclaimer and ends Vaporwright.</source>
        <translation>Lehnt den Haftungsausschluss ab und beendet Vaporwright.</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Zustimmen</translation>
    </message>
    <message>
        <source>Agrees with the disclaimer and goes on to the calculator.</source>
        <translation>Stimmt dem Haftungsausschluss zu und geht weiter zum Rechner.</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>Beim Start nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Ticked, this prompt is not shown when Vaporwright starts; the File menu of the calculator still shows it.</source>
        <translation>Angekreuzt erscheint diese Abfrage beim Start von Vaporwright nicht mehr; das Menü „Datei“ des Rechners zeigt sie weiterhin.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Words to find; the list below shows the help topics that contain them all.</source>
        <translation>Gesuchte Wörter; die Liste darunter zeigt die Hilfethemen, die alle enthalten.</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Enter or a click shows the chosen topic beside the list.</source>
        <translation>Eingabetaste oder Klick zeigt das gewählte Thema neben der Liste.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The text of Vaporwright&apos;s help; links lead to other topics.</source>
        <translation>Der Text der Vaporwright-Hilfe; Verweise führen zu anderen Themen.</translation>
    </message>
</context>
<context>
    <name>RealAir</name>
    <message>
        <source>No such air: no state has these two inputs</source>
        <translation>Keine reale Luft: kein Zustand hat diese beiden Eingaben</translation>
    </message>
    <message>
        <source>Could not solve these two inputs for the dry bulb</source>
        <translation>Aus diesen beiden Eingaben ließ sich die Trockenkugeltemperatur nicht bestimmen</translation>
    </message>
    <message>
        <source>No state: relative humidity 0 with humidity ratio 0 fixes no dry bulb</source>
        <translation>Kein Zustand: relative Feuchte 0 mit Wassergehalt 0 legt keine Trockenkugeltemperatur fest</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is below %1</source>
        <translation>Keine reale Luft: die Trockenkugeltemperatur liegt unter %1</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is above %1</source>
        <translation>Keine reale Luft: die Trockenkugeltemperatur liegt über %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is below %1</source>
        <translation>Keine reale Luft: die Feuchtkugeltemperatur liegt unter %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above %1</source>
        <translation>Keine reale Luft: die Feuchtkugeltemperatur liegt über %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is below %1</source>
        <translation>Keine reale Luft: der Taupunkt liegt unter %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is above %1</source>
        <translation>Keine reale Luft: der Taupunkt liegt über %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above the dry bulb</source>
        <translation>Keine reale Luft: die Feuchtkugeltemperatur liegt über der Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>No such air: the humidity ratio is below zero</source>
        <translation>Keine reale Luft: der Wassergehalt ist kleiner als null</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is below 0 %</source>
        <translation>Keine reale Luft: die relative Feuchte liegt unter 0 %</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is above %1 %</source>
        <translation>Keine reale Luft: die relative Feuchte liegt über %1 %</translation>
    </message>
    <message>
        <source>No such air: the vapor pressure reaches the atmospheric pressure</source>
        <translation>Keine reale Luft: der Dampfdruck erreicht den Luftdruck</translation>
    </message>
    <message>
        <source>No such air: the specific volume is not positive</source>
        <translation>Keine reale Luft: das spezifische Volumen ist nicht positiv</translation>
    </message>
    <message>
        <source>No such air: a property is outside the range of the formulation</source>
        <translation>Keine reale Luft: eine Größe liegt außerhalb des Gültigkeitsbereichs der Formeln</translation>
    </message>
    <message>
        <source>Atmospheric pressure at or below zero</source>
        <translation>Luftdruck null oder kleiner</translation>
    </message>
    <message>
        <source>Atmospheric pressure beyond %1</source>
        <translation>Luftdruck über %1</translation>
    </message>
    <message>
        <source>Altitude below %1</source>
        <translation>Höhe unter %1</translation>
    </message>
    <message>
        <source>Altitude beyond %1</source>
        <translation>Höhe über %1</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot; as a number</source>
        <translation>„%1“ ist keine lesbare Zahl</translation>
    </message>
    <message>
        <source>Could not store &quot;%1&quot;: the number is too large</source>
        <translation>„%1“ wurde nicht übernommen: die Zahl ist zu groß</translation>
    </message>
</context>
<context>
    <name>VersionInfo</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Psychrometric calculator for moist air, ASHRAE formulation</source>
        <translation>Psychrometrischer Rechner für feuchte Luft nach ASHRAE</translation>
    </message>
    <message>
        <source>Copyright (C) 2023-2025 Dunmore Tollis Software. All rights reserved.</source>
        <translation>Copyright (C) 2023-2025 Dunmore Tollis Software. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Its results are engineering estimates; check them before you rely on them for design or operation.</source>
        <translation>Warnung: Dieses Programm ist urheberrechtlich geschützt. Seine Ergebnisse sind ingenieurmäßige Näherungen; prüfen Sie sie, bevor Sie sich bei Planung oder Betrieb darauf verlassen.</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance</name>
    <message>
        <source>A previous instance of Vaporwright is currently running.</source>
        <translation>Vaporwright läuft bereits.</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance::SingleInstance</name>
    <message>
        <source>Vaporwright: %1 is not a file; running without the single-instance guard</source>
        <translation>Vaporwright: %1 ist keine Datei; das Programm läuft ohne Schutz vor einem zweiten Start</translation>
    </message>
</context>
<context>
    <name>basMain</name>
    <message>
        <source>Vaporwright is already running: open %1 from its chart window (File &gt; Open Project).</source>
        <translation>Vaporwright läuft bereits: öffnen Sie %1 im Diagrammfenster (Datei &gt; Projekt öffnen).</translation>
    </message>
</context>
<context>
    <name>chart::AddProcessDialog</name>
    <message>
        <source>Add Process</source>
        <translation>Prozess hinzufügen</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>Eintrittspunkt</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Nach:</translation>
    </message>
    <message>
        <source>Leaving point</source>
        <translation>Austrittspunkt</translation>
    </message>
</context>
<context>
    <name>chart::CoolingCoilDialog</name>
    <message>
        <source>Cooling Coil</source>
        <translation>Kühlregister</translation>
    </message>
    <message>
        <source>&amp;Entering air:</source>
        <translation>&amp;Eintrittsluft:</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>Eintrittspunkt</translation>
    </message>
    <message>
        <source>Entering air</source>
        <translation>Eintrittsluft</translation>
    </message>
    <message>
        <source>Apparatus dew point in %1</source>
        <translation>Apparatetaupunkt in %1</translation>
    </message>
    <message>
        <source>Apparatus &amp;dew point (%1):</source>
        <translation>Apparate&amp;taupunkt (%1):</translation>
    </message>
    <message>
        <source>Bypass factor, 0 to 1</source>
        <translation>Bypassfaktor, 0 bis 1</translation>
    </message>
    <message>
        <source>&amp;Bypass factor (0 to 1):</source>
        <translation>&amp;Bypassfaktor (0 bis 1):</translation>
    </message>
    <message>
        <source>Dry bulb %1 %2</source>
        <translation>Trockenkugeltemperatur %1 %2</translation>
    </message>
    <message>
        <source>, dew point %1 %2</source>
        <translation>, Taupunkt %1 %2</translation>
    </message>
    <message>
        <source>Type the apparatus dew point as a number in %1.</source>
        <translation>Geben Sie den Apparatetaupunkt als Zahl in %1 ein.</translation>
    </message>
    <message>
        <source>Type the bypass factor as a number from 0 up to 1.</source>
        <translation>Geben Sie den Bypassfaktor als Zahl von 0 bis 1 ein.</translation>
    </message>
</context>
<context>
    <name>chart::MixDialog</name>
    <message>
        <source>Mix</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>&amp;First stream:</source>
        <translation>&amp;Erster Luftstrom:</translation>
    </message>
    <message>
        <source>First point</source>
        <translation>Erster Punkt</translation>
    </message>
    <message>
        <source>&amp;Second stream:</source>
        <translation>&amp;Zweiter Luftstrom:</translation>
    </message>
    <message>
        <source>Second point</source>
        <translation>Zweiter Punkt</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 has none.</source>
        <translation>Zum Mischen brauchen beide Punkte einen Volumenstrom: %1 hat keinen.</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 and %2 have none.</source>
        <translation>Zum Mischen brauchen beide Punkte einen Volumenstrom: %1 und %2 haben keinen.</translation>
    </message>
</context>
<context>
    <name>chart::PointDialog</name>
    <message>
        <source>Add Point</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweite</translation>
    </message>
    <message>
        <source>&amp;First property:</source>
        <translation>&amp;Erste Größe:</translation>
    </message>
    <message>
        <source>&amp;Second property:</source>
        <translation>&amp;Zweite Größe:</translation>
    </message>
    <message>
        <source>First &amp;value:</source>
        <translation>Erster &amp;Wert:</translation>
    </message>
    <message>
        <source>Second va&amp;lue:</source>
        <translation>Zweiter W&amp;ert:</translation>
    </message>
    <message>
        <source>%1 property</source>
        <translation>%1 Größe</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1r Wert</translation>
    </message>
    <message>
        <source>%1 value&apos;s unit</source>
        <translation>Einheit des %1n Werts</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Left empty, the point takes the next name in sequence.</source>
        <translation>Leer gelassen erhält der Punkt den nächsten Namen der Reihe.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type the %1.</source>
        <translation>Geben Sie die Größe „%1“ ein.</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>„%1“ ist keine Zahl für die Größe „%2“.</translation>
    </message>
</context>
<context>
    <name>chart::PointTableModel</name>
    <message>
        <source>Airflow unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Defined by</source>
        <translation>Festgelegt durch</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>Trockene Luft</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>PMV</source>
        <translation>PMV</translation>
    </message>
    <message>
        <source>PPD</source>
        <translation>PPD</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The two properties the point is defined by; their cells are bold.</source>
        <translation>Die beiden Größen, die den Punkt festlegen; ihre Zellen sind fett.</translation>
    </message>
    <message>
        <source>Thermal comfort by ISO 7730 with the project&apos;s comfort parameters, the mean radiant temperature equal to the dry bulb.</source>
        <translation>Thermische Behaglichkeit nach ISO 7730 mit den Behaglichkeitsparametern des Projekts; die mittlere Strahlungstemperatur gleich der Trockenkugeltemperatur.</translation>
    </message>
    <message>
        <source>Editable: a value typed here redefines the point.</source>
        <translation>Bearbeitbar: ein hier eingegebener Wert legt den Punkt neu fest.</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>innerhalb</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>außerhalb</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>%1, %2: none</source>
        <translation>%1, %2: keiner</translation>
    </message>
    <message>
        <source>%1, %2: none, %3</source>
        <translation>%1, %2: keiner, %3</translation>
    </message>
    <message>
        <source>, defines the point</source>
        <translation>, legt den Punkt fest</translation>
    </message>
    <message>
        <source>Defines the point</source>
        <translation>Legt den Punkt fest</translation>
    </message>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>Punkt %1 ist keine reale Luft: %2</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2; nothing was changed.</source>
        <translation>„%1“ ist keine Zahl für die Größe „%2“; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>“%1” is not a number for the airflow; nothing was changed.</source>
        <translation>„%1“ ist keine Zahl für den Volumenstrom; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>“%1” is not an airflow unit; choose one of %2.</source>
        <translation>„%1“ ist keine Einheit des Volumenstroms; wählen Sie eine von %2.</translation>
    </message>
    <message>
        <source>Give point %1 an airflow first.</source>
        <translation>Geben Sie Punkt %1 zuerst einen Volumenstrom.</translation>
    </message>
</context>
<context>
    <name>chart::PointsView</name>
    <message>
        <source>State points</source>
        <translation>Zustandspunkte</translation>
    </message>
    <message>
        <source>Pressure of the points</source>
        <translation>Druck der Punkte</translation>
    </message>
    <message>
        <source>One row per point. F2, Enter or typing edits a cell; Delete deletes the selected points.</source>
        <translation>Eine Zeile je Punkt. F2, Eingabetaste oder Tippen bearbeitet eine Zelle; Entf löscht die gewählten Punkte.</translation>
    </message>
    <message>
        <source>Add the &amp;calculator&apos;s state</source>
        <translation>&amp;Zustand des Rechners hinzufügen</translation>
    </message>
    <message>
        <source>Add the calculator&apos;s state</source>
        <translation>Zustand des Rechners hinzufügen</translation>
    </message>
    <message>
        <source>Adds the calculator&apos;s state as a point defined by its two ticked inputs.</source>
        <translation>Fügt den Zustand des Rechners als Punkt hinzu, festgelegt durch seine beiden angekreuzten Eingaben.</translation>
    </message>
    <message>
        <source>&amp;Add Point...</source>
        <translation>Punkt &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Point</source>
        <translation>Punkt &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <source>Deletes the selected points (Delete); Undo brings them back.</source>
        <translation>Löscht die gewählten Punkte (Entf); Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>Points message</source>
        <translation>Meldung zu den Punkten</translation>
    </message>
    <message>
        <source>S&amp;tate points:</source>
        <translation>Zus&amp;tandspunkte:</translation>
    </message>
    <message>
        <source>All points at %1 %2</source>
        <translation>Alle Punkte bei %1 %2</translation>
    </message>
    <message>
        <source> (altitude %1 %2)</source>
        <translation> (Höhe %1 %2)</translation>
    </message>
    <message>
        <source>, %1 units</source>
        <translation>, %1-Einheiten</translation>
    </message>
    <message>
        <source>Point %1 is solved at the points&apos; pressure, %2 %3, not the calculator&apos;s.</source>
        <translation>Punkt %1 wird beim Druck der Punkte berechnet, %2 %3, nicht bei dem des Rechners.</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>Punkt %1 löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n points</source>
        <translation>
            <numerusform>%n Punkt löschen</numerusform>
            <numerusform>%n Punkte löschen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chart::ProcessesView</name>
    <message>
        <source>Processes and mixtures</source>
        <translation>Prozesse und Mischungen</translation>
    </message>
    <message>
        <source>Heat unit</source>
        <translation>Einheit der Wärmeleistung</translation>
    </message>
    <message>
        <source>&amp;Heat unit:</source>
        <translation>&amp;Einheit der Wärmeleistung:</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <source>&amp;Processes</source>
        <translation>&amp;Prozesse</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>Mischungen</translation>
    </message>
    <message>
        <source>Mi&amp;xtures</source>
        <translation>Mi&amp;schungen</translation>
    </message>
    <message>
        <source>&amp;Add Process...</source>
        <translation>Prozess &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>Prozess hinzufügen</translation>
    </message>
    <message>
        <source>Cooling &amp;Coil...</source>
        <translation>&amp;Kühlregister...</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>Kühlregister</translation>
    </message>
    <message>
        <source>&amp;Mix...</source>
        <translation>&amp;Mischen...</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>A process needs two points: add them on the chart first.</source>
        <translation>Ein Prozess braucht zwei Punkte: fügen Sie sie zuerst im Diagramm hinzu.</translation>
    </message>
    <message>
        <source>Process added.</source>
        <translation>Prozess hinzugefügt.</translation>
    </message>
    <message>
        <source>A cooling coil needs the point of its entering air: add it on the chart first.</source>
        <translation>Ein Kühlregister braucht den Punkt seiner Eintrittsluft: fügen Sie ihn zuerst im Diagramm hinzu.</translation>
    </message>
    <message>
        <source>Cooling coil added: its leaving air is a new point.</source>
        <translation>Kühlregister hinzugefügt: seine Austrittsluft ist ein neuer Punkt.</translation>
    </message>
    <message>
        <source>Mixing needs two points with airflows: add them on the chart first.</source>
        <translation>Mischen braucht zwei Punkte mit Volumenströmen: fügen Sie sie zuerst im Diagramm hinzu.</translation>
    </message>
    <message>
        <source>Mixture added as a new point.</source>
        <translation>Mischung als neuer Punkt hinzugefügt.</translation>
    </message>
    <message>
        <source>Process deleted (Undo brings it back).</source>
        <translation>Prozess gelöscht (Rückgängig holt ihn zurück).</translation>
    </message>
    <message>
        <source>Mixture record deleted; its point stays (Undo brings the record back).</source>
        <translation>Mischung gelöscht; ihr Punkt bleibt (Rückgängig holt die Mischung zurück).</translation>
    </message>
    <message>
        <source>Select a process or a mixture to delete.</source>
        <translation>Wählen Sie einen Prozess oder eine Mischung zum Löschen.</translation>
    </message>
</context>
<context>
    <name>chart::ProjectEditDialog</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Dialog buttons</source>
        <translation>Dialogschaltflächen</translation>
    </message>
    <message>
        <source>The project is closed.</source>
        <translation>Das Projekt ist geschlossen.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>About Vaporwright</source>
        <translation>Über Vaporwright</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmDisclaimer</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Vaporwright:  D I S C L A I M E R</source>
        <translation>Vaporwright:  H A F T U N G S A U S S C H L U S S</translation>
    </message>
    <message>
        <source>Error:  Vaporwright</source>
        <translation>Fehler:  Vaporwright</translation>
    </message>
    <message>
        <source>The file DISCLAIMER.TXT could not be located.
Please re-install Vaporwright.</source>
        <translation>Die Datei DISCLAIMER.TXT wurde nicht gefunden.
Bitte installieren Sie Vaporwright neu.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Dry Bulb Temperature</source>
        <translation>Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>Temperature of the air as an ordinary thermometer reads it.</source>
        <translation>Temperatur der Luft, wie ein gewöhnliches Thermometer sie anzeigt.</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature</source>
        <translation>Feuchtkugeltemperatur</translation>
    </message>
    <message>
        <source>Temperature a wetted thermometer reaches as water evaporates from it into the air.</source>
        <translation>Temperatur, die ein befeuchtetes Thermometer erreicht, während Wasser von ihm in die Luft verdunstet.</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Relative Feuchte</translation>
    </message>
    <message>
        <source>Vapor pressure as a share of the saturation vapor pressure at the dry bulb temperature.</source>
        <translation>Dampfdruck als Anteil am Sättigungsdampfdruck bei der Trockenkugeltemperatur.</translation>
    </message>
    <message>
        <source>Humidity Ratio</source>
        <translation>Wassergehalt</translation>
    </message>
    <message>
        <source>Mass of water vapor per mass of dry air.</source>
        <translation>Masse des Wasserdampfs je Masse trockener Luft.</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>Heat content of the moist air per mass of dry air.</source>
        <translation>Wärmeinhalt der feuchten Luft je Masse trockener Luft.</translation>
    </message>
    <message>
        <source>Dew Point Temperature</source>
        <translation>Taupunkttemperatur</translation>
    </message>
    <message>
        <source>Temperature at which the air becomes saturated when cooled at constant moisture.</source>
        <translation>Temperatur, bei der die Luft gesättigt ist, wenn sie bei gleichem Wassergehalt gekühlt wird.</translation>
    </message>
    <message>
        <source>Vapor Pressure</source>
        <translation>Dampfdruck</translation>
    </message>
    <message>
        <source>Partial pressure of the water vapor in the air.</source>
        <translation>Partialdruck des Wasserdampfs in der Luft.</translation>
    </message>
    <message>
        <source>Degree of Saturation</source>
        <translation>Sättigungsgrad</translation>
    </message>
    <message>
        <source>Humidity ratio as a share of the humidity ratio of saturated air at the same temperature.</source>
        <translation>Wassergehalt als Anteil am Wassergehalt gesättigter Luft derselben Temperatur.</translation>
    </message>
    <message>
        <source>Specific Volume</source>
        <translation>Spezifisches Volumen</translation>
    </message>
    <message>
        <source>Volume of moist air per mass of dry air.</source>
        <translation>Volumen der feuchten Luft je Masse trockener Luft.</translation>
    </message>
    <message>
        <source>Moist Air Density</source>
        <translation>Dichte der feuchten Luft</translation>
    </message>
    <message>
        <source>Mass of moist air per volume.</source>
        <translation>Masse feuchter Luft je Volumen.</translation>
    </message>
    <message>
        <source>Absolute Humidity</source>
        <translation>Absolute Feuchte</translation>
    </message>
    <message>
        <source>Mass of water vapor per volume of moist air.</source>
        <translation>Masse des Wasserdampfs je Volumen feuchter Luft.</translation>
    </message>
    <message>
        <source>Atmospheric Pressure</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>Local atmospheric pressure.</source>
        <translation>Örtlicher Luftdruck.</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Local elevation above sea level.</source>
        <translation>Örtliche Höhe über dem Meeresspiegel.</translation>
    </message>
    <message>
        <source>Moisture Concentration</source>
        <translation>Feuchtekonzentration</translation>
    </message>
    <message>
        <source>Water vapor content of the air in parts per million.</source>
        <translation>Wasserdampfgehalt der Luft in Millionstel (ppm).</translation>
    </message>
    <message>
        <source>Input: typed when its check box is ticked, otherwise computed from the two ticked inputs.</source>
        <translation>Eingabe: wird eingetippt, wenn ihr Kästchen angekreuzt ist, sonst aus den beiden angekreuzten Eingaben berechnet.</translation>
    </message>
    <message>
        <source>Result, computed from the two ticked inputs.</source>
        <translation>Ergebnis, aus den beiden angekreuzten Eingaben berechnet.</translation>
    </message>
    <message>
        <source>Pressure entry: typed when its option button is selected, otherwise computed from the other pressure entry.</source>
        <translation>Druckangabe: wird eingetippt, wenn ihr Optionsfeld gewählt ist, sonst aus der anderen Druckangabe berechnet.</translation>
    </message>
    <message>
        <source>Computes the properties of moist air from two inputs at a given atmospheric pressure or altitude. Tab moves through the entries and buttons; the Up and Down arrows move from field to field, results included; Ctrl+Plus and Ctrl+Minus show more or fewer decimal places in the field that has the focus.</source>
        <translation>Berechnet die Zustandsgrößen feuchter Luft aus zwei Eingaben bei gegebenem Luftdruck oder gegebener Höhe. Tab geht durch die Eingaben und Schaltflächen; Pfeil auf und ab gehen von Feld zu Feld, Ergebnisse eingeschlossen; Strg+Plus und Strg+Minus zeigen im Feld mit dem Fokus mehr oder weniger Nachkommastellen.</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Einheit: %1</translation>
    </message>
    <message>
        <source>%1. Ticked, the %2 field takes a typed value.</source>
        <translation>%1. Angekreuzt nimmt das Feld %2 einen eingetippten Wert auf.</translation>
    </message>
    <message>
        <source>Enter the local atmospheric pressure directly; the altitude follows from it.</source>
        <translation>Den örtlichen Luftdruck direkt eingeben; die Höhe folgt daraus.</translation>
    </message>
    <message>
        <source>Enter the local elevation; the atmospheric pressure follows from it.</source>
        <translation>Die örtliche Höhe eingeben; der Luftdruck folgt daraus.</translation>
    </message>
    <message>
        <source>Shows every field in inch-pound units.</source>
        <translation>Zeigt jedes Feld in angloamerikanischen Einheiten (Zoll, Pfund).</translation>
    </message>
    <message>
        <source>Shows every field in metric (SI) units.</source>
        <translation>Zeigt jedes Feld in metrischen Einheiten (SI).</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Clears the inputs and the results.</source>
        <translation>Leert die Eingaben und die Ergebnisse.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Computes every property from the two ticked inputs.</source>
        <translation>Berechnet alle Größen aus den beiden angekreuzten Eingaben.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hides the calculator window; the tray icon brings it back.</source>
        <translation>Blendet das Rechnerfenster aus; das Symbol im Infobereich holt es zurück.</translation>
    </message>
    <message>
        <source>More Digits</source>
        <translation>Mehr Stellen</translation>
    </message>
    <message>
        <source>Shows one more decimal place in the field last left.</source>
        <translation>Zeigt im zuletzt verlassenen Feld eine Nachkommastelle mehr.</translation>
    </message>
    <message>
        <source>Less Digits</source>
        <translation>Weniger Stellen</translation>
    </message>
    <message>
        <source>Shows one decimal place less in the field last left.</source>
        <translation>Zeigt im zuletzt verlassenen Feld eine Nachkommastelle weniger.</translation>
    </message>
    <message>
        <source>Vaporwright on the web</source>
        <translation>Vaporwright im Internet</translation>
    </message>
    <message>
        <source>Website link: opens the maker&apos;s website in the browser. Space opens it.</source>
        <translation>Verweis: öffnet die Website des Herstellers im Browser. Die Leertaste öffnet ihn.</translation>
    </message>
    <message>
        <source>Unit System and Digits</source>
        <translation>Einheitensystem und Stellen</translation>
    </message>
    <message>
        <source>Chooses the unit system and the number of decimal places shown.</source>
        <translation>Wählt das Einheitensystem und die Zahl der gezeigten Nachkommastellen.</translation>
    </message>
    <message>
        <source>The local pressure, given directly or through the altitude.</source>
        <translation>Der örtliche Druck, direkt oder über die Höhe angegeben.</translation>
    </message>
    <message>
        <source>Select Input and Compute Results</source>
        <translation>Eingaben wählen und Ergebnisse berechnen</translation>
    </message>
    <message>
        <source>Tick two inputs, type their values, and every other property is computed.</source>
        <translation>Zwei Eingaben ankreuzen, ihre Werte eintippen, und alle anderen Größen werden berechnet.</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Why the results are empty, when they are; read out as it changes.</source>
        <translation>Warum die Ergebnisse leer sind, wenn sie es sind; wird bei jeder Änderung vorgelesen.</translation>
    </message>
    <message>
        <source>In percent.</source>
        <translation>In Prozent.</translation>
    </message>
    <message>
        <source>The unit is chosen in the list beside it.</source>
        <translation>Die Einheit wird in der Liste daneben gewählt.</translation>
    </message>
    <message>
        <source>In %1; the unit is chosen in the list beside it.</source>
        <translation>In %1; die Einheit wird in der Liste daneben gewählt.</translation>
    </message>
    <message>
        <source>Unit of the %1 field, now %2; choosing another unit shows the value converted to it.</source>
        <translation>Einheit des Felds %1, jetzt %2; eine andere Einheit zeigt den Wert in sie umgerechnet.</translation>
    </message>
    <message>
        <source>Unit of the %1 field; choosing another unit shows the value converted to it.</source>
        <translation>Einheit des Felds %1; eine andere Einheit zeigt den Wert in sie umgerechnet.</translation>
    </message>
    <message>
        <source>Psychrometric Calculations:  ASHRAE Formulation</source>
        <translation>Psychrometrische Berechnungen:  Formeln nach ASHRAE</translation>
    </message>
    <message>
        <source>Dew Point Temperature:</source>
        <translation>Taupunkttemperatur:</translation>
    </message>
    <message>
        <source>Vapor Pressure:</source>
        <translation>Dampfdruck:</translation>
    </message>
    <message>
        <source>Degree of Saturation:</source>
        <translation>Sättigungsgrad:</translation>
    </message>
    <message>
        <source>Specific Volume:</source>
        <translation>Spezifisches Volumen:</translation>
    </message>
    <message>
        <source>Moist Air Density:</source>
        <translation>Dichte der feuchten Luft:</translation>
    </message>
    <message>
        <source>Absolute Humidity:</source>
        <translation>Absolute Feuchte:</translation>
    </message>
    <message>
        <source>Moisture Concentration:</source>
        <translation>Feuchtekonzentration:</translation>
    </message>
    <message>
        <source>Dry Bulb Temperature:</source>
        <translation>Trockenkugeltemperatur:</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature:</source>
        <translation>Feuchtkugeltemperatur:</translation>
    </message>
    <message>
        <source>Relative Humidity:</source>
        <translation>Relative Feuchte:</translation>
    </message>
    <message>
        <source>Humidity Ratio:</source>
        <translation>Wassergehalt:</translation>
    </message>
    <message>
        <source>Enthalpy:</source>
        <translation>Enthalpie:</translation>
    </message>
    <message>
        <source>&amp;IP Engineering Units</source>
        <translation>&amp;IP-Einheiten</translation>
    </message>
    <message>
        <source>&amp;SI Engineering Units</source>
        <translation>&amp;SI-Einheiten</translation>
    </message>
    <message>
        <source>Imperial Units of Measurement</source>
        <translation>Angloamerikanische Maßeinheiten</translation>
    </message>
    <message>
        <source>Systema International Units of Meaurement</source>
        <translation>Einheiten des Internationalen Einheitensystems</translation>
    </message>
    <message>
        <source>Display More Digits</source>
        <translation>Mehr Nachkommastellen zeigen</translation>
    </message>
    <message>
        <source>Display Less Digits</source>
        <translation>Weniger Nachkommastellen zeigen</translation>
    </message>
    <message>
        <source>&amp;Atmospheric Pressure:</source>
        <translation>&amp;Luftdruck:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>H&amp;öhe:</translation>
    </message>
    <message>
        <source>Select to Directly enter the Local Atmospheric Pressure</source>
        <translation>Wählen, um den örtlichen Luftdruck direkt einzugeben</translation>
    </message>
    <message>
        <source>Select to enter the Local Elevation to Compute Atmospheric  Pressure</source>
        <translation>Wählen, um die örtliche Höhe einzugeben und daraus den Luftdruck zu berechnen</translation>
    </message>
    <message>
        <source>Select 2 of the 5 Inputs to Compute Properties</source>
        <translation>2 der 5 Eingaben wählen, um die Zustandsgrößen zu berechnen</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Clear the Input and Calculations</source>
        <translation>Eingaben und Berechnungen leeren</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>Compute Properties</source>
        <translation>Zustandsgrößen berechnen</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>A&amp;usblenden</translation>
    </message>
    <message>
        <source>Website Link</source>
        <translation>Verweis auf die Website</translation>
    </message>
    <message>
        <source>Visit our website for updates, help and other engineering tools.</source>
        <translation>Auf unserer Website finden Sie Aktualisierungen, Hilfe und weitere Ingenieurwerkzeuge.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Keep Calculator on Top</source>
        <translation>Rechner &amp;immer im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;View Disclaimer</source>
        <translation>&amp;Haftungsausschluss anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Psychrometric &amp;Chart</source>
        <translation>Psychrometrisches &amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemvorgabe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>Hilfe &amp;durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Vaporwright</translation>
    </message>
    <message>
        <source>&amp;Open Vaporwright</source>
        <translation>Vaporwright ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>frmReadDisclaimer</name>
    <message>
        <source>&amp;Read the Disclaimer</source>
        <translation>Haftungsausschluss &amp;lesen</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>Ich habe den Haftungsausschluss gelesen und:</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>&amp;Ablehnen</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>&amp;Zustimmen</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>Beim Start nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Vaporwright:  READ THE DISCLAIMER</source>
        <translation>Vaporwright:  HAFTUNGSAUSSCHLUSS LESEN</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The language of the interface for this run: %1, or System for the system&apos;s. View &gt; Language chooses it for every run.</source>
        <translation>Die Sprache der Oberfläche für diesen Lauf: %1, oder System für die des Systems. Ansicht &gt; Sprache wählt sie für jeden Lauf.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot; for --lang; choose one of %2, or System.</source>
        <translation>Unbekannte Sprache „%1“ für --lang; wählen Sie eine von %2 oder System.</translation>
    </message>
    <message>
        <source>A calculator of the properties of moist air, with a psychrometric chart.</source>
        <translation>Ein Rechner für die Zustandsgrößen feuchter Luft, mit psychrometrischem Diagramm.</translation>
    </message>
    <message>
        <source>A project file (.vwproj) to open in the chart window.</source>
        <translation>Eine Projektdatei (.vwproj), die im Diagrammfenster geöffnet wird.</translation>
    </message>
</context>
</TS>
