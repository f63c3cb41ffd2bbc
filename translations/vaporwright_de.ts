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
    <name>airhandler</name>
    <message>
        <source>Component</source>
        <translation>Komponente</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Entering dry bulb</source>
        <translation>Eintritt Trockenkugel</translation>
    </message>
    <message>
        <source>Entering humidity ratio</source>
        <translation>Eintritt Wassergehalt</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>Austritt Trockenkugel</translation>
    </message>
    <message>
        <source>Leaving humidity ratio</source>
        <translation>Austritt Wassergehalt</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>Trockene Luft</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Sensible</source>
        <translation>Sensibel</translation>
    </message>
    <message>
        <source>Latent</source>
        <translation>Latent</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>Außenluft</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>Abluft</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>Mischluft</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Zuluft</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>Fortluft</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>Raumluft</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>Raumlasten</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>Sensible Raumlast</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>Latente Raumlast</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Sensibler Wärmefaktor des Raums</translation>
    </message>
    <message>
        <source>Room dry bulb</source>
        <translation>Raum Trockenkugel</translation>
    </message>
    <message>
        <source>Room humidity ratio</source>
        <translation>Raum Wassergehalt</translation>
    </message>
    <message>
        <source>Room enthalpy</source>
        <translation>Raum Enthalpie</translation>
    </message>
    <message>
        <source>Supply dry bulb</source>
        <translation>Zuluft Trockenkugel</translation>
    </message>
    <message>
        <source>Supply humidity ratio</source>
        <translation>Zuluft Wassergehalt</translation>
    </message>
    <message>
        <source>Supply relative humidity</source>
        <translation>Zuluft relative Feuchte</translation>
    </message>
    <message>
        <source>Supply enthalpy</source>
        <translation>Zuluft Enthalpie</translation>
    </message>
    <message>
        <source>Supply airflow</source>
        <translation>Zuluftvolumenstrom</translation>
    </message>
    <message>
        <source>Supply dry air</source>
        <translation>Zuluft trockene Luft</translation>
    </message>
    <message>
        <source>Outdoor dry bulb</source>
        <translation>Außenluft Trockenkugel</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio</source>
        <translation>Außenluft Wassergehalt</translation>
    </message>
    <message>
        <source>Outdoor enthalpy</source>
        <translation>Außenluft Enthalpie</translation>
    </message>
    <message>
        <source>Outdoor air share</source>
        <translation>Außenluftanteil</translation>
    </message>
    <message>
        <source>Outdoor airflow</source>
        <translation>Außenluftvolumenstrom</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>Freie Kühlung</translation>
    </message>
    <message>
        <source>Mixed air dry bulb</source>
        <translation>Mischluft Trockenkugel</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio</source>
        <translation>Mischluft Wassergehalt</translation>
    </message>
    <message>
        <source>Mixed air enthalpy</source>
        <translation>Mischluft Enthalpie</translation>
    </message>
    <message>
        <source>Cooling, sensible</source>
        <translation>Kühlen, sensibel</translation>
    </message>
    <message>
        <source>Cooling, latent</source>
        <translation>Kühlen, latent</translation>
    </message>
    <message>
        <source>Steam heat</source>
        <translation>Dampfwärme</translation>
    </message>
    <message>
        <source>Fan heat</source>
        <translation>Ventilatorwärme</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air</source>
        <translation>In die Außenluft zurückgewonnene Wärme</translation>
    </message>
    <message>
        <source>Humidifier water</source>
        <translation>Befeuchterwasser</translation>
    </message>
    <message>
        <source>Condensate</source>
        <translation>Kondensat</translation>
    </message>
    <message>
        <source>Room sensible load delivered</source>
        <translation>Gedeckte sensible Raumlast</translation>
    </message>
    <message>
        <source>Room latent load delivered</source>
        <translation>Gedeckte latente Raumlast</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>Raumlasten auf 1 % gedeckt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>Die Luft am Ende der Kette erreicht die Zuluft nicht.</translation>
    </message>
    <message>
        <source>, exhaust side</source>
        <translation>, Fortluftseite</translation>
    </message>
</context>
<context>
    <name>airhandler::Component</name>
    <message>
        <source>Heat-recovery wheel</source>
        <translation>Rotationswärmeübertrager</translation>
    </message>
    <message>
        <source>Heat-recovery plate</source>
        <translation>Plattenwärmeübertrager</translation>
    </message>
    <message>
        <source>Mixing box</source>
        <translation>Mischkammer</translation>
    </message>
    <message>
        <source>Preheat coil</source>
        <translation>Vorerhitzer</translation>
    </message>
    <message>
        <source>Reheat coil</source>
        <translation>Nacherhitzer</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>Luftkühler</translation>
    </message>
    <message>
        <source>Supply fan</source>
        <translation>Zuluftventilator</translation>
    </message>
    <message>
        <source>Steam humidifier</source>
        <translation>Dampfbefeuchter</translation>
    </message>
    <message>
        <source>Adiabatic humidifier</source>
        <translation>Adiabatischer Befeuchter</translation>
    </message>
</context>
<context>
    <name>airhandler::Economizer</name>
    <message>
        <source>No economizer: minimum outdoor air.</source>
        <translation>Keine Freie Kühlung: Mindestaußenluft.</translation>
    </message>
    <message>
        <source>Heating: the economizer keeps the minimum outdoor air.</source>
        <translation>Heizen: die Freie Kühlung hält die Mindestaußenluft.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>Die Außenlufttemperatur liegt unter der der Abluft: Außenluft über dem Minimum.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>Die Außenlufttemperatur liegt nicht unter der der Abluft: Mindestaußenluft.</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>Die Enthalpie der Außenluft liegt unter der der Abluft: Außenluft über dem Minimum.</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>Die Enthalpie der Außenluft liegt nicht unter der der Abluft: Mindestaußenluft.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is above the economizer&apos;s high limit: minimum outdoor air.</source>
        <translation>Die Außenlufttemperatur liegt über der Obergrenze der Freien Kühlung: Mindestaußenluft.</translation>
    </message>
</context>
<context>
    <name>airhandler::Issue</name>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>Der Luftdruck muss über null und höchstens zehn Atmosphären betragen.</translation>
    </message>
    <message>
        <source>The room air is not air.</source>
        <translation>Die Raumluft ist keine Luft.</translation>
    </message>
    <message>
        <source>The outdoor air is not air.</source>
        <translation>Die Außenluft ist keine Luft.</translation>
    </message>
    <message>
        <source>The room and outdoor air must be at the design&apos;s atmospheric pressure.</source>
        <translation>Raum- und Außenluft müssen beim Luftdruck der Auslegung liegen.</translation>
    </message>
    <message>
        <source>The room&apos;s loads must be numbers.</source>
        <translation>Die Lasten des Raums müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>In cooling the room&apos;s sensible load must be a heat gain (above zero); in heating, a heat loss (below zero).</source>
        <translation>Beim Kühlen muss die sensible Raumlast ein Wärmegewinn sein (über null), beim Heizen ein Wärmeverlust (unter null).</translation>
    </message>
    <message>
        <source>In cooling the supply air must be colder than the room; in heating, warmer.</source>
        <translation>Beim Kühlen muss die Zuluft kälter als der Raum sein, beim Heizen wärmer.</translation>
    </message>
    <message>
        <source>The supply&apos;s temperature difference to the room must be above zero.</source>
        <translation>Die Temperaturdifferenz der Zuluft zum Raum muss über null liegen.</translation>
    </message>
    <message>
        <source>The supply airflow must be greater than zero.</source>
        <translation>Der Zuluftvolumenstrom muss größer als null sein.</translation>
    </message>
    <message>
        <source>The room&apos;s SHR line at this supply dry bulb lies beyond saturation: no air there carries the room&apos;s loads. Choose a supply closer to the room.</source>
        <translation>Die Raumzustandslinie (SHR) liegt bei dieser Zulufttemperatur jenseits der Sättigung: dort trägt keine Luft die Raumlasten. Wählen Sie eine Zuluft näher am Raum.</translation>
    </message>
    <message>
        <source>The supply air would have to hold less than no water to take up the room&apos;s latent load: choose a supply closer to the room or a larger airflow.</source>
        <translation>Die Zuluft müsste weniger als kein Wasser enthalten, um die latente Raumlast aufzunehmen: wählen Sie eine Zuluft näher am Raum oder einen größeren Volumenstrom.</translation>
    </message>
    <message>
        <source>The supply air is not air.</source>
        <translation>Die Zuluft ist keine Luft.</translation>
    </message>
    <message>
        <source>The outdoor airflow or share must be zero or more.</source>
        <translation>Außenluftvolumenstrom oder -anteil muss null oder mehr sein.</translation>
    </message>
    <message>
        <source>The outdoor air cannot exceed the supply air.</source>
        <translation>Die Außenluft kann die Zuluft nicht übersteigen.</translation>
    </message>
    <message>
        <source>The economizer&apos;s maximum outdoor share must lie from the minimum outdoor share to 1.</source>
        <translation>Der größte Außenluftanteil der Freien Kühlung muss zwischen dem Mindestanteil und 1 liegen.</translation>
    </message>
    <message>
        <source>The chain can hold only one mixing box.</source>
        <translation>Die Kette kann nur eine Mischkammer enthalten.</translation>
    </message>
    <message>
        <source>The components before the mixing box treat the outdoor air, and there is none.</source>
        <translation>Die Komponenten vor der Mischkammer behandeln die Außenluft, und es gibt keine.</translation>
    </message>
    <message>
        <source>Heat recovery works between the outdoor and the exhaust air: place it before the mixing box.</source>
        <translation>Die Wärmerückgewinnung arbeitet zwischen Außen- und Fortluft: setzen Sie sie vor die Mischkammer.</translation>
    </message>
    <message>
        <source>A component brought to the supply air must stand after the mixing box.</source>
        <translation>Eine Komponente, die auf die Zuluft regelt, muss nach der Mischkammer stehen.</translation>
    </message>
    <message>
        <source>Only one heating coil and one cooling coil can bring the air to the supply&apos;s dry bulb.</source>
        <translation>Nur ein Erhitzer und ein Luftkühler können die Luft auf die Zulufttemperatur bringen.</translation>
    </message>
    <message>
        <source>Only one cooling coil and one humidifier can bring the air to the supply&apos;s humidity ratio.</source>
        <translation>Nur ein Luftkühler und ein Befeuchter können die Luft auf den Wassergehalt der Zuluft bringen.</translation>
    </message>
    <message>
        <source>An effectiveness must lie from 0 to 1.</source>
        <translation>Ein Wirkungsgrad muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>The exhaust airflow must be greater than zero.</source>
        <translation>Der Fortluftvolumenstrom muss größer als null sein.</translation>
    </message>
    <message>
        <source>The exhaust air cannot exceed the return air.</source>
        <translation>Die Fortluft kann die Abluft nicht übersteigen.</translation>
    </message>
    <message>
        <source>Air would leave the heat recovery beyond saturation (condensation or frost): preheat the outdoor air or lower the effectiveness.</source>
        <translation>Luft würde die Wärmerückgewinnung jenseits der Sättigung verlassen (Kondensat oder Reif): wärmen Sie die Außenluft vor oder senken Sie den Wirkungsgrad.</translation>
    </message>
    <message>
        <source>The mixed air is not air.</source>
        <translation>Die Mischluft ist keine Luft.</translation>
    </message>
    <message>
        <source>A temperature must lie from -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>Eine Temperatur muss zwischen -148 °F und 400 °F liegen (-100 °C bis 204,4 °C).</translation>
    </message>
    <message>
        <source>A temperature rise must be zero or more.</source>
        <translation>Eine Temperaturerhöhung muss null oder mehr sein.</translation>
    </message>
    <message>
        <source>A relative humidity must lie above 0 and at most 100 %.</source>
        <translation>Eine relative Feuchte muss über 0 und höchstens 100 % betragen.</translation>
    </message>
    <message>
        <source>The fan&apos;s power must be zero or more and its motor efficiency above 0 and at most 1.</source>
        <translation>Die Leistung des Ventilators muss null oder mehr und der Motorwirkungsgrad über 0 und höchstens 1 sein.</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>Der Bypassfaktor muss mindestens 0 und kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>The cooling coil cannot make this air.</source>
        <translation>Der Luftkühler kann diese Luft nicht erzeugen.</translation>
    </message>
    <message>
        <source>An adiabatic humidifier can at most saturate the air: ask for a dew point no higher than the entering wet bulb.</source>
        <translation>Ein adiabatischer Befeuchter kann die Luft höchstens sättigen: verlangen Sie einen Taupunkt nicht über der Feuchtkugeltemperatur am Eintritt.</translation>
    </message>
    <message>
        <source>The air leaving the component is not air.</source>
        <translation>Die Luft nach der Komponente ist keine Luft.</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>Die Luft kann nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3 %4</source>
        <translation>Komponente %1 (%2): %3 %4</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3</source>
        <translation>Komponente %1 (%2): %3</translation>
    </message>
    <message>
        <source>Component %1: %2 %3</source>
        <translation>Komponente %1: %2 %3</translation>
    </message>
    <message>
        <source>Component %1: %2</source>
        <translation>Komponente %1: %2</translation>
    </message>
</context>
<context>
    <name>airhandler::Note</name>
    <message>
        <source>Off: the air is already this warm.</source>
        <translation>Aus: Die Luft ist bereits so warm.</translation>
    </message>
    <message>
        <source>Off: the air is already this cool.</source>
        <translation>Aus: Die Luft ist bereits so kühl.</translation>
    </message>
    <message>
        <source>Off: the air is already this dry.</source>
        <translation>Aus: Die Luft ist bereits so trocken.</translation>
    </message>
    <message>
        <source>Off: the air is already this humid.</source>
        <translation>Aus: Die Luft ist bereits so feucht.</translation>
    </message>
    <message>
        <source>Off: it adds no heat.</source>
        <translation>Aus: Es wird keine Wärme zugeführt.</translation>
    </message>
    <message>
        <source>Off: it exchanges nothing.</source>
        <translation>Aus: Es wird nichts übertragen.</translation>
    </message>
    <message>
        <source>Stopped: the economizer brings in outdoor air.</source>
        <translation>Gestoppt: Der Economizer führt Außenluft zu.</translation>
    </message>
    <message>
        <source>Dry coil: the air leaves at its entering humidity ratio.</source>
        <translation>Trockener Kühler: Die Luft verlässt ihn mit ihrem Eintritts-Wassergehalt.</translation>
    </message>
    <message>
        <source>Its change of the air is too small to rate.</source>
        <translation>Die Zustandsänderung der Luft ist zu klein für eine Bewertung.</translation>
    </message>
    <message>
        <source>Blow-through: ahead of the cooling coil.</source>
        <translation>Drückend: vor dem Luftkühler.</translation>
    </message>
    <message>
        <source>Draw-through: after the cooling coil.</source>
        <translation>Saugend: nach dem Luftkühler.</translation>
    </message>
</context>
<context>
    <name>airhandler::Tables</name>
    <message>
        <source>Outdoor air</source>
        <translation>Außenluft</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Zuluft</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>Die Luft, die die Kette verlässt, erreicht die Zuluft nicht.</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>Komponente</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Entering dry bulb (%1)</source>
        <translation>Eintritt Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Entering humidity ratio (%1)</source>
        <translation>Eintritt Wassergehalt (%1)</translation>
    </message>
    <message>
        <source>Leaving dry bulb (%1)</source>
        <translation>Austritt Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Leaving humidity ratio (%1)</source>
        <translation>Austritt Wassergehalt (%1)</translation>
    </message>
    <message>
        <source>Dry air (%1)</source>
        <translation>Trockene Luft (%1)</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Zustandsänderung</translation>
    </message>
    <message>
        <source>Sensible (%1)</source>
        <translation>Sensibel (%1)</translation>
    </message>
    <message>
        <source>Latent (%1)</source>
        <translation>Latent (%1)</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <translation>Gesamt (%1)</translation>
    </message>
    <message>
        <source>Water (%1)</source>
        <translation>Wasser (%1)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>Abluft</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>Mischluft</translation>
    </message>
    <message>
        <source>Apparatus dew point %1 %2, bypass factor %3.</source>
        <translation>Apparatetaupunkt %1 %2, Bypassfaktor %3.</translation>
    </message>
    <message>
        <source>%1, exhaust side</source>
        <translation>%1, Fortluftseite</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>Fortluft</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>Raumluft</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>Raumlasten</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <source>Room sensible load (%1)</source>
        <translation>Sensible Raumlast (%1)</translation>
    </message>
    <message>
        <source>Room latent load (%1)</source>
        <translation>Latente Raumlast (%1)</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Sensibler Wärmefaktor des Raums</translation>
    </message>
    <message>
        <source>Room dry bulb (%1)</source>
        <translation>Raum Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Room humidity ratio (%1)</source>
        <translation>Raum Wassergehalt (%1)</translation>
    </message>
    <message>
        <source>Room enthalpy (%1)</source>
        <translation>Raum Enthalpie (%1)</translation>
    </message>
    <message>
        <source>Supply dry bulb (%1)</source>
        <translation>Zuluft Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Supply humidity ratio (%1)</source>
        <translation>Zuluft Wassergehalt (%1)</translation>
    </message>
    <message>
        <source>Supply relative humidity (%)</source>
        <translation>Zuluft relative Feuchte (%)</translation>
    </message>
    <message>
        <source>Supply enthalpy (%1)</source>
        <translation>Zuluft Enthalpie (%1)</translation>
    </message>
    <message>
        <source>Supply airflow (%1)</source>
        <translation>Zuluft-Volumenstrom (%1)</translation>
    </message>
    <message>
        <source>Supply dry air (%1)</source>
        <translation>Zuluft trockene Luft (%1)</translation>
    </message>
    <message>
        <source>Outdoor dry bulb (%1)</source>
        <translation>Außenluft Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio (%1)</source>
        <translation>Außenluft Wassergehalt (%1)</translation>
    </message>
    <message>
        <source>Outdoor enthalpy (%1)</source>
        <translation>Außenluft Enthalpie (%1)</translation>
    </message>
    <message>
        <source>Outdoor air share (%)</source>
        <translation>Außenluftanteil (%)</translation>
    </message>
    <message>
        <source>Outdoor airflow (%1)</source>
        <translation>Außenluft-Volumenstrom (%1)</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>Economizer</translation>
    </message>
    <message>
        <source>Mixed air dry bulb (%1)</source>
        <translation>Mischluft Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio (%1)</source>
        <translation>Mischluft Wassergehalt (%1)</translation>
    </message>
    <message>
        <source>Mixed air enthalpy (%1)</source>
        <translation>Mischluft Enthalpie (%1)</translation>
    </message>
    <message>
        <source>Cooling (tons)</source>
        <translation>Kühlen (tons)</translation>
    </message>
    <message>
        <source>Cooling (kW)</source>
        <translation>Kühlen (kW)</translation>
    </message>
    <message>
        <source>Cooling, sensible (%1)</source>
        <translation>Kühlen, sensibel (%1)</translation>
    </message>
    <message>
        <source>Cooling, latent (%1)</source>
        <translation>Kühlen, latent (%1)</translation>
    </message>
    <message>
        <source>Heating (kW)</source>
        <translation>Heizen (kW)</translation>
    </message>
    <message>
        <source>Heating (Btu/h)</source>
        <translation>Heizen (Btu/h)</translation>
    </message>
    <message>
        <source>Steam heat (%1)</source>
        <translation>Dampfwärme (%1)</translation>
    </message>
    <message>
        <source>Fan heat (%1)</source>
        <translation>Ventilatorwärme (%1)</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air (%1)</source>
        <translation>An die Außenluft zurückgewonnene Wärme (%1)</translation>
    </message>
    <message>
        <source>Humidifier water (lb/h)</source>
        <translation>Befeuchterwasser (lb/h)</translation>
    </message>
    <message>
        <source>Humidifier water (kg/h)</source>
        <translation>Befeuchterwasser (kg/h)</translation>
    </message>
    <message>
        <source>Condensate (%1)</source>
        <translation>Kondensat (%1)</translation>
    </message>
    <message>
        <source>Room sensible load delivered (%)</source>
        <translation>Gedeckte sensible Raumlast (%)</translation>
    </message>
    <message>
        <source>Room latent load delivered (%)</source>
        <translation>Gedeckte latente Raumlast (%)</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>Raumlasten auf 1 % gedeckt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
    <name>batch::Header</name>
    <message>
        <source>The header has more than %1 columns</source>
        <translation>Die Kopfzeile hat mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>Column %1: the dew point cannot be an input; give two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy</source>
        <translation>Spalte %1: Der Taupunkt kann keine Eingabe sein; geben Sie zwei von Trockenkugeltemperatur, Feuchtkugeltemperatur, relativer Feuchte, Wassergehalt und Enthalpie an</translation>
    </message>
    <message>
        <source>Columns %1 and %2: give one pressure or altitude column</source>
        <translation>Spalten %1 und %2: Geben Sie nur eine Druck- oder Höhenspalte an</translation>
    </message>
    <message>
        <source>Columns %1 and %2 give the same quantity</source>
        <translation>Die Spalten %1 und %2 geben dieselbe Größe an</translation>
    </message>
    <message>
        <source>The header names 0 input columns; it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>Die Kopfzeile nennt keine Eingabespalte; sie braucht zwei von dry_bulb, wet_bulb, relative_humidity, humidity_ratio und enthalpy, jede mit ihrer Einheit, etwa &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names 1 input column (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>Die Kopfzeile nennt 1 Eingabespalte (%1); sie braucht zwei von dry_bulb, wet_bulb, relative_humidity, humidity_ratio und enthalpy, jede mit ihrer Einheit, etwa &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names %2 input columns (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>Die Kopfzeile nennt %2 Eingabespalten (%1); sie braucht zwei von dry_bulb, wet_bulb, relative_humidity, humidity_ratio und enthalpy, jede mit ihrer Einheit, etwa &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
</context>
<context>
    <name>batch::Help</name>
    <message>
        <source>Usage: vaporwright-batch [OPTIONS] [FILE]
       vaporwright-batch [OPTIONS] --epw WEATHER.epw
       vaporwright-batch --project FILE.vwproj [--units IP|SI] [--table NAME] [-o OUT]</source>
        <translation>Aufruf: vaporwright-batch [OPTIONEN] [DATEI]
        vaporwright-batch [OPTIONEN] --epw WETTER.epw
        vaporwright-batch --project DATEI.vwproj [--units IP|SI] [--table NAME] [-o AUS]</translation>
    </message>
    <message>
        <source>Computes the state of moist air for every row of a CSV file (FILE, or standard
input when FILE is missing or &quot;-&quot;) and writes every property the Vaporwright
calculator shows as CSV to standard output.</source>
        <translation>Berechnet den Zustand feuchter Luft für jede Zeile einer CSV-Datei (DATEI, oder
die Standardeingabe, wenn DATEI fehlt oder &quot;-&quot; ist) und schreibt jede Größe, die
der Vaporwright-Rechner zeigt, als CSV auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Input: the header line names two input columns, each a quantity and its unit:
  dry_bulb_F  dry_bulb_C  dry_bulb_K      (also wet_bulb_...)
  relative_humidity_pct
  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg
  humidity_ratio_gr/lb
  enthalpy_Btu/lb (zero at 0 F)  enthalpy_kJ/kg (zero at 0 C)
Any two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy
make a pair. An optional pressure_psia, pressure_kPa, pressure_Pa,
pressure_mbar, pressure_inHg, altitude_ft or altitude_m column gives each row
its atmosphere. Names are matched without regard to case; other programs&apos;
forms are read too: &quot;Pressure (kPa)&quot;, &quot;pressure-kPa&quot;, &quot;pressure [kPa]&quot;,
&quot;Station pressure (hPa)&quot;, &quot;Dry bulb (F)&quot;, &quot;Relative humidity (%)&quot;. A column
that names a quantity without a unit (&quot;pressure&quot;, &quot;altitude&quot;) is refused.
Every other column (a timestamp, say) is copied to the output, before the
properties, as a CSV reader reads it and quoted where CSV needs it.
Lines may end in LF, CRLF or CR; a line longer than 16 MiB is not read (a
header that long ends the run).</source>
        <translation>Eingabe: Die Kopfzeile nennt zwei Eingabespalten, jede eine Größe mit Einheit:
  dry_bulb_F  dry_bulb_C  dry_bulb_K      (ebenso wet_bulb_...)
  relative_humidity_pct
  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg
  humidity_ratio_gr/lb
  enthalpy_Btu/lb (Null bei 0 F)  enthalpy_kJ/kg (Null bei 0 C)
Je zwei von Trockenkugeltemperatur, Feuchtkugeltemperatur, relativer Feuchte,
Wassergehalt und Enthalpie bilden ein Paar. Eine optionale Spalte pressure_psia,
pressure_kPa, pressure_Pa, pressure_mbar, pressure_inHg, altitude_ft oder
altitude_m gibt jeder Zeile ihren Luftdruck. Groß- und Kleinschreibung der Namen
zählt nicht; die Schreibweisen anderer Programme werden ebenfalls gelesen:
&quot;Pressure (kPa)&quot;, &quot;pressure-kPa&quot;, &quot;pressure [kPa]&quot;, &quot;Station pressure (hPa)&quot;,
&quot;Dry bulb (F)&quot;, &quot;Relative humidity (%)&quot;. Eine Spalte, die eine Größe ohne
Einheit nennt (&quot;pressure&quot;, &quot;altitude&quot;), wird abgelehnt. Jede andere Spalte
(etwa ein Zeitstempel) wird vor den Größen in die Ausgabe übernommen, so wie
ein CSV-Leser sie liest, und in Anführungszeichen gesetzt, wo CSV es verlangt.
Zeilen dürfen mit LF, CRLF oder CR enden; eine Zeile über 16 MiB wird nicht
gelesen (eine so lange Kopfzeile beendet den Lauf).</translation>
    </message>
    <message>
        <source>Output: the copied columns, then dry bulb, wet bulb, dew point, relative
humidity, humidity ratio, enthalpy, vapor pressure, degree of saturation,
specific volume, density, absolute humidity, moisture concentration, pressure
and altitude, each header naming its unit, then &quot;reason&quot;. A row that gives no
real air, or that cannot be read (an empty or non-numeric input, a wrong number
of fields), has empty properties and says why in &quot;reason&quot;; the run goes on.
Every line after the header gives one output row.</source>
        <translation>Ausgabe: die übernommenen Spalten, dann Trockenkugeltemperatur,
Feuchtkugeltemperatur, Taupunkt, relative Feuchte, Wassergehalt, Enthalpie,
Dampfdruck, Sättigungsgrad, spezifisches Volumen, Dichte, absolute Feuchte,
Feuchtekonzentration, Luftdruck und Höhe, jede Spaltenüberschrift mit ihrer
Einheit, dann &quot;reason&quot;. Eine Zeile, die keine reale Luft ergibt oder nicht
gelesen werden kann (eine leere oder nicht numerische Eingabe, eine falsche
Anzahl Felder), hat leere Größen und nennt den Grund in &quot;reason&quot;; der Lauf geht
weiter. Jede Zeile nach der Kopfzeile ergibt eine Ausgabezeile.</translation>
    </message>
    <message>
        <source>Options:
  --units IP|SI       units of the output and of bare --pressure/--altitude
                      values (default IP: F, lb/lb, Btu/lb, psia, ft; SI: C,
                      kg/kg, kJ/kg, mbar, m)
  --pressure VALUE    atmospheric pressure of every row: a number with psia,
                      kPa, Pa, mbar or inHg, or a bare number in psia (IP) or
                      kPa (SI); default 14.696 psia
  --altitude VALUE    altitude of every row, its pressure from the standard
                      atmosphere: a number with ft or m, or bare in ft (IP) or
                      m (SI)
  --formats           round as the calculator displays (####0.00 for the dry
                      bulb, ...) instead of full precision: the shortest text
                      that reads back as the computed single-precision value
  --epw FILE          read an EnergyPlus weather file instead (&quot;-&quot; for standard
                      input): each hour&apos;s dry bulb and dew point at its
                      station pressure; the output begins with the file&apos;s
                      year,month,day,hour (hour 1 to 24, ending then)
  --project FILE      read a Vaporwright project file instead (never written):
                      compute it, the air handler included, and write its
                      tables as CSV (below)
  --table NAME        with --project, only that table: points, processes,
                      mixtures, airhandler-components or airhandler-rollup
  -o, --output FILE   write to FILE instead of standard output (with --project:
                      a folder DIR for every table, a FILE for the one table
                      --table names, or - for standard output)
  -h, --help          show this help and exit
  --version           show the version and exit</source>
        <translation>Optionen:
  --units IP|SI       Einheiten der Ausgabe und von --pressure/--altitude ohne
                      Einheit (Vorgabe IP: F, lb/lb, Btu/lb, psia, ft; SI: C,
                      kg/kg, kJ/kg, mbar, m)
  --pressure WERT     Luftdruck jeder Zeile: eine Zahl mit psia, kPa, Pa, mbar
                      oder inHg, oder eine Zahl ohne Einheit in psia (IP) oder
                      kPa (SI); Vorgabe 14.696 psia
  --altitude WERT     Höhe jeder Zeile, ihr Druck aus der Normatmosphäre: eine
                      Zahl mit ft oder m, oder ohne Einheit in ft (IP) oder
                      m (SI)
  --formats           runden wie der Rechner anzeigt (####0.00 für die
                      Trockenkugeltemperatur, ...) statt voller Genauigkeit:
                      der kürzeste Text, der den berechneten Wert einfacher
                      Genauigkeit zurückliefert
  --epw DATEI         stattdessen eine EnergyPlus-Wetterdatei lesen (&quot;-&quot; für die
                      Standardeingabe): Trockenkugeltemperatur und Taupunkt jeder
                      Stunde bei ihrem Stationsdruck; die Ausgabe beginnt mit
                      year,month,day,hour der Datei (Stunde 1 bis 24, endend)
  --project DATEI     stattdessen eine Vaporwright-Projektdatei lesen (nie
                      geschrieben): sie berechnen, das Lüftungsgerät
                      eingeschlossen, und ihre Tabellen als CSV schreiben (unten)
  --table NAME        mit --project nur diese Tabelle: points, processes,
                      mixtures, airhandler-components oder airhandler-rollup
  -o, --output DATEI  nach DATEI statt auf die Standardausgabe schreiben (mit
                      --project: ein Ordner DIR für alle Tabellen, eine DATEI
                      für die eine Tabelle, die --table nennt, oder - für die
                      Standardausgabe)
  -h, --help          diese Hilfe zeigen und beenden
  --version           die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Project tables (--project): points, processes and mixtures, and for a project
with an air handler airhandler-components (both cases, each row led by its
case) and airhandler-rollup, in the project&apos;s own unit system unless --units
says otherwise; each an RFC 4180 table with CR LF line ends and units in its
header. To standard output (no -o, -o - or -) every table is preceded by a
line holding its name and followed, but for the last, by an empty line; with
--table, the one table alone, as a plain CSV file; -o FILE takes one table,
--table&apos;s. With -o DIR (an existing folder, or a name ending in &quot;/&quot;, made if
missing) each table goes to its own file, DIR/NAME.csv, written whole or not
at all. A damaged or unreadable project is refused with the window&apos;s message,
and nothing is written.</source>
        <translation>Projekttabellen (--project): points, processes und mixtures, und für ein
Projekt mit Lüftungsgerät airhandler-components (beide Fälle, jede Zeile mit
ihrem Fall vorn) und airhandler-rollup, im Einheitensystem des Projekts, wenn
--units nichts anderes sagt; jede eine Tabelle nach RFC 4180 mit CR LF als
Zeilenende und den Einheiten in der Kopfzeile. Auf die Standardausgabe (kein -o,
-o - oder -) steht vor jeder Tabelle eine Zeile mit ihrem Namen und nach ihr,
außer nach der letzten, eine Leerzeile; mit --table steht die eine Tabelle
allein, als einfache CSV-Datei; -o DATEI nimmt eine Tabelle, die von --table.
Mit -o DIR (ein vorhandener Ordner oder ein Name mit &quot;/&quot; am Ende, angelegt,
wenn er fehlt) kommt jede Tabelle in eine eigene Datei DIR/NAME.csv, ganz oder
gar nicht geschrieben. Ein beschädigtes oder unlesbares Projekt wird mit der
Meldung des Fensters abgelehnt, und nichts wird geschrieben.</translation>
    </message>
    <message>
        <source>Exit status: 0 all rows written (rows without real air included), 1 a command
line that cannot be followed (an output that is the input file, named, on
standard input or a project&apos;s standard output, included; one file for all of
a project&apos;s tables), 2 an input that cannot be opened or read (a missing
file, a folder, an unusable header, a damaged project, a table the project
does not have), 3 an output that cannot be written.</source>
        <translation>Rückgabewert: 0 alle Zeilen geschrieben (Zeilen ohne reale Luft eingeschlossen),
1 eine Befehlszeile, der nicht gefolgt werden kann (eine Ausgabe, die die
Eingabedatei ist, benannt, auf der Standardeingabe oder die Standardausgabe
eines Projekts, eingeschlossen; eine Datei für alle Tabellen eines Projekts),
2 eine Eingabe, die nicht geöffnet oder gelesen werden kann (eine fehlende
Datei, ein Ordner, eine unbrauchbare Kopfzeile, ein beschädigtes Projekt, eine
Tabelle, die das Projekt nicht hat), 3 eine Ausgabe, die nicht geschrieben
werden kann.</translation>
    </message>
    <message>
        <source>Examples:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project office.vwproj -o tables/
  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI</source>
        <translation>Beispiele:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project buero.vwproj -o tabellen/
  vaporwright-batch --project buero.vwproj --table airhandler-rollup --units SI</translation>
    </message>
</context>
<context>
    <name>batch::Options</name>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with ft or m, such as 1500ft</source>
        <translation>%1: „%2“ ist nicht lesbar; geben Sie eine Zahl mit ft oder m an, etwa 1500ft</translation>
    </message>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with psia, kPa, Pa, mbar or inHg, such as 101.325kPa</source>
        <translation>%1: „%2“ ist nicht lesbar; geben Sie eine Zahl mit psia, kPa, Pa, mbar oder inHg an, etwa 101.325kPa</translation>
    </message>
    <message>
        <source>--units: give IP or SI</source>
        <translation>--units: Geben Sie IP oder SI an</translation>
    </message>
    <message>
        <source>%1: give a value</source>
        <translation>%1: Geben Sie einen Wert an</translation>
    </message>
    <message>
        <source>Give --pressure or --altitude, not both</source>
        <translation>Geben Sie --pressure oder --altitude an, nicht beides</translation>
    </message>
    <message>
        <source>--epw: give a weather file</source>
        <translation>--epw: Geben Sie eine Wetterdatei an</translation>
    </message>
    <message>
        <source>--project: give a project file</source>
        <translation>--project: Geben Sie eine Projektdatei an</translation>
    </message>
    <message>
        <source>--table: give one of %1</source>
        <translation>--table: Geben Sie eine der folgenden an: %1</translation>
    </message>
    <message>
        <source>%1: give a file</source>
        <translation>%1: Geben Sie eine Datei an</translation>
    </message>
    <message>
        <source>Give one input file</source>
        <translation>Geben Sie eine einzige Eingabedatei an</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;; see --help</source>
        <translation>Unbekannte Option „%1“; siehe --help</translation>
    </message>
    <message>
        <source>Give a CSV file or --epw, not both</source>
        <translation>Geben Sie eine CSV-Datei oder --epw an, nicht beides</translation>
    </message>
    <message>
        <source>Give a CSV file, --epw or --project, one of them</source>
        <translation>Geben Sie genau eines an: eine CSV-Datei, --epw oder --project</translation>
    </message>
    <message>
        <source>Give -o or -, not both</source>
        <translation>Geben Sie -o oder - an, nicht beides</translation>
    </message>
    <message>
        <source>A project gives its points their atmospheric pressure: %1 does not apply with --project</source>
        <translation>Ein Projekt gibt seinen Punkten den Luftdruck selbst vor: %1 gilt nicht mit --project</translation>
    </message>
    <message>
        <source>--formats does not apply with --project: its tables have their own</source>
        <translation>--formats gilt nicht mit --project: Die Tabellen haben eigene Formate</translation>
    </message>
    <message>
        <source>--table applies with --project</source>
        <translation>--table gilt nur mit --project</translation>
    </message>
    <message>
        <source>A weather file gives each hour its station pressure: %1 does not apply with --epw</source>
        <translation>Eine Wetterdatei gibt jeder Stunde ihren Stationsdruck: %1 gilt nicht mit --epw</translation>
    </message>
</context>
<context>
    <name>batch::ProjectRun</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 has no air handler: it has no table %2</source>
        <translation>%1 hat kein Lüftungsgerät: Es gibt keine Tabelle %2</translation>
    </message>
    <message>
        <source>The output is the input file (standard output)</source>
        <translation>Die Ausgabe ist die Eingabedatei (Standardausgabe)</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>Die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>Die Ausgabe %1 ist die Eingabedatei</translation>
    </message>
    <message>
        <source>The project has %1 tables: give --table NAME to write one to %2, or a folder (a name ending in &quot;/&quot;) for all</source>
        <translation>Das Projekt hat %1 Tabellen: Geben Sie --table NAME an, um eine davon nach %2 zu schreiben, oder einen Ordner (ein Name mit „/“ am Ende) für alle</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>batch::Run</name>
    <message>
        <source>Could not read the input: %1</source>
        <translation>Die Eingabe konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The input is empty: it needs a header line such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>Die Eingabe ist leer: Sie braucht eine Kopfzeile wie &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>Unusable header: the header line is longer than 16 MiB</source>
        <translation>Unbrauchbare Kopfzeile: Die Kopfzeile ist länger als 16 MiB</translation>
    </message>
    <message>
        <source>Unusable header: %1</source>
        <translation>Unbrauchbare Kopfzeile: %1</translation>
    </message>
    <message>
        <source>The input has a column %1; --pressure and --altitude apply to files without one</source>
        <translation>Die Eingabe hat eine Spalte %1; --pressure und --altitude gelten für Dateien ohne eine solche</translation>
    </message>
    <message>
        <source>Cannot open the weather file &quot;%1&quot;: %2</source>
        <translation>Die Wetterdatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
</context>
<context>
    <name>batch::main</name>
    <message>
        <source>Try &apos;vaporwright-batch --help&apos;.</source>
        <translation>Versuchen Sie „vaporwright-batch --help“.</translation>
    </message>
    <message>
        <source>Cannot open the weather file %1: %2</source>
        <translation>Die Wetterdatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>Die Ausgabe %1 ist die Eingabedatei</translation>
    </message>
    <message>
        <source>The output %1 is the input file (standard input)</source>
        <translation>Die Ausgabe %1 ist die Eingabedatei (Standardeingabe)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>Die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not write the output %1</source>
        <translation>Die Ausgabe %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>unexpected failure</source>
        <translation>unerwarteter Fehler</translation>
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
    <name>chart::AirHandlerInteraction</name>
    <message>
        <source>The point was not moved: %1</source>
        <translation>Der Punkt wurde nicht verschoben: %1</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerLayer</name>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Misch</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Zuluft</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>SHF %1</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Air handler, %1: no solution. %2</source>
        <translation>Lüftungsgerät, %1: keine Lösung. %2</translation>
    </message>
    <message>
        <source>Air handler, %1: room %2, outdoor %3, mixed %4, supply %5</source>
        <translation>Lüftungsgerät, %1: Raum %2, Außenluft %3, Mischluft %4, Zuluft %5</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 auf %3</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerPanel</name>
    <message>
        <source>sensible %1, latent %2</source>
        <translation>sensibel %1, latent %2</translation>
    </message>
    <message>
        <source>no economizer</source>
        <translation>ohne Economizer</translation>
    </message>
    <message>
        <source>dry-bulb economizer</source>
        <translation>Economizer nach Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>enthalpy economizer</source>
        <translation>Economizer nach Enthalpie</translation>
    </message>
    <message>
        <source>to the supply air</source>
        <translation>auf die Zuluft</translation>
    </message>
    <message>
        <source>by a rise</source>
        <translation>um eine Erwärmung</translation>
    </message>
    <message>
        <source>to a leaving dry bulb</source>
        <translation>auf eine Austrittstemperatur</translation>
    </message>
    <message>
        <source>to the supply&apos;s humidity</source>
        <translation>auf die Feuchte der Zuluft</translation>
    </message>
    <message>
        <source>by ADP and bypass factor</source>
        <translation>nach Taupunkt des Kühlers und Bypassfaktor</translation>
    </message>
    <message>
        <source>to a leaving dry bulb and RH</source>
        <translation>auf Austrittstemperatur und relative Feuchte</translation>
    </message>
    <message>
        <source>by its power</source>
        <translation>nach seiner Leistung</translation>
    </message>
    <message>
        <source>steam</source>
        <translation>Dampf</translation>
    </message>
    <message>
        <source>adiabatic</source>
        <translation>adiabat</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>&amp;Fall:</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>A&amp;ufgabe:</translation>
    </message>
    <message>
        <source>The project has no air handler yet. Start from an example design: a room of 100,000 Btu/h sensible and 25,000 Btu/h latent gains in summer, with its winter case.</source>
        <translation>Das Projekt hat noch kein Lüftungsgerät. Beginnen Sie mit einem Beispiel: ein Raum mit 100.000 Btu/h sensiblen und 25.000 Btu/h latenten Lasten im Sommer, mit seinem Winterfall.</translation>
    </message>
    <message>
        <source>Design an &amp;Air Handler</source>
        <translation>Lüftungsgerät &amp;auslegen</translation>
    </message>
    <message>
        <source>Air handler settings</source>
        <translation>Einstellungen des Lüftungsgeräts</translation>
    </message>
    <message>
        <source>Air handler status</source>
        <translation>Zustand des Lüftungsgeräts</translation>
    </message>
    <message>
        <source>Air handler message</source>
        <translation>Meldung zum Lüftungsgerät</translation>
    </message>
    <message>
        <source>Remove the Air Handler</source>
        <translation>Lüftungsgerät entfernen</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>Feuchtkugeltemperatur</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Relative Feuchte</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Wassergehalt</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>Außenluft</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweite</translation>
    </message>
    <message>
        <source>%1, %2 property</source>
        <translation>%1, %2 Größe</translation>
    </message>
    <message>
        <source>%1, %2 value</source>
        <translation>%1, %2 Wert</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>&amp;Raum:</translation>
    </message>
    <message>
        <source>Room, &amp;2nd:</source>
        <translation>Raum, &amp;2.:</translation>
    </message>
    <message>
        <source>&amp;Sensible load:</source>
        <translation>&amp;Sensible Last:</translation>
    </message>
    <message>
        <source>&amp;Latent load:</source>
        <translation>&amp;Latente Last:</translation>
    </message>
    <message>
        <source>Load unit:</source>
        <translation>Lasteinheit:</translation>
    </message>
    <message>
        <source>Difference to room</source>
        <translation>Differenz zum Raum</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Su&amp;pply by:</source>
        <translation>Zuluft &amp;per:</translation>
    </message>
    <message>
        <source>Airflow unit:</source>
        <translation>Einheit des Volumenstroms:</translation>
    </message>
    <message>
        <source>Ou&amp;tdoor:</source>
        <translation>Au&amp;ßen:</translation>
    </message>
    <message>
        <source>Outdoor, 2n&amp;d:</source>
        <translation>Außen, 2.: (&amp;d)</translation>
    </message>
    <message>
        <source>From the Weather File&apos;s Desi&amp;gn Conditions</source>
        <translation>Aus den Auslegungsbedingungen der Wetterdatei (&amp;g)</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point (&amp;b)</source>
        <translation>Sommer beim Entfeuchtungs-Taupunkt (&amp;b)</translation>
    </message>
    <message>
        <source>Summer outdoor air at the 0.4 % dehumidification dew point with its mean coincident dry bulb, instead of the 0.4 % cooling dry bulb with its mean coincident wet bulb.</source>
        <translation>Sommerliche Außenluft am 0,4-%-Entfeuchtungs-Taupunkt mit der zugehörigen mittleren Trockenkugeltemperatur statt an der 0,4-%-Kühl-Trockenkugeltemperatur mit der zugehörigen mittleren Feuchtkugeltemperatur.</translation>
    </message>
    <message>
        <source>Share of supply</source>
        <translation>Anteil an der Zuluft</translation>
    </message>
    <message>
        <source>Outdoor air b&amp;y:</source>
        <translation>Außenluft &amp;nach:</translation>
    </message>
    <message>
        <source>Components, in the order the air meets them</source>
        <translation>Komponenten, in der Reihenfolge des Luftwegs</translation>
    </message>
    <message>
        <source>Insert adds, Delete removes, Enter edits, Ctrl+Up and Ctrl+Down move the component.</source>
        <translation>Einfg fügt hinzu, Entf entfernt, Eingabe bearbeitet, Strg+Auf und Strg+Ab verschieben die Komponente.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Wheel</source>
        <translation>&amp;Wärmerückgewinnungsrad</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Plate</source>
        <translation>&amp;Plattenwärmeübertrager</translation>
    </message>
    <message>
        <source>&amp;Mixing Box</source>
        <translation>&amp;Mischkammer</translation>
    </message>
    <message>
        <source>P&amp;reheat Coil</source>
        <translation>&amp;Vorerhitzer</translation>
    </message>
    <message>
        <source>&amp;Cooling Coil</source>
        <translation>&amp;Kühler</translation>
    </message>
    <message>
        <source>R&amp;eheat Coil</source>
        <translation>&amp;Nacherhitzer</translation>
    </message>
    <message>
        <source>Supply &amp;Fan</source>
        <translation>&amp;Zuluftventilateur</translation>
    </message>
    <message>
        <source>&amp;Steam Humidifier</source>
        <translation>&amp;Dampfbefeuchter</translation>
    </message>
    <message>
        <source>&amp;Adiabatic Humidifier</source>
        <translation>&amp;Adiabater Befeuchter</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Air handler tables</source>
        <translation>Tabellen des Lüftungsgeräts</translation>
    </message>
    <message>
        <source>Rollup of both cases</source>
        <translation>Zusammenfassung beider Fälle</translation>
    </message>
    <message>
        <source>Components of the case shown</source>
        <translation>Komponenten des gezeigten Falls</translation>
    </message>
    <message>
        <source>Rollup, Summer and Winter</source>
        <translation>Sommer und Winter</translation>
    </message>
    <message>
        <source>Components of the Case</source>
        <translation>Komponenten des Falls</translation>
    </message>
    <message>
        <source>E&amp;xport Components...</source>
        <translation>Komponenten e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export Rollup...</source>
        <translation>Zusammenfassung exportieren...</translation>
    </message>
    <message>
        <source>Air handler</source>
        <translation>Lüftungsgerät</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Fall</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>Sensible Raumlast</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>Latente Raumlast</translation>
    </message>
    <message>
        <source>Load unit</source>
        <translation>Lasteinheit</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Sensibler Wärmefaktor des Raums</translation>
    </message>
    <message>
        <source>Supply by</source>
        <translation>Zuluft nach</translation>
    </message>
    <message>
        <source>Supply value</source>
        <translation>Wert der Zuluft</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Zuluft</translation>
    </message>
    <message>
        <source>Airflow unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point</source>
        <translation>Sommer beim Entfeuchtungs-Taupunkt</translation>
    </message>
    <message>
        <source>Outdoor air by</source>
        <translation>Außenluft nach</translation>
    </message>
    <message>
        <source>Outdoor air value</source>
        <translation>Wert der Außenluft</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Komponenten</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>Komponente hinzufügen</translation>
    </message>
    <message>
        <source>Edit component</source>
        <translation>Komponente bearbeiten</translation>
    </message>
    <message>
        <source>Remove component</source>
        <translation>Komponente entfernen</translation>
    </message>
    <message>
        <source>Move component up</source>
        <translation>Komponente nach oben</translation>
    </message>
    <message>
        <source>Move component down</source>
        <translation>Komponente nach unten</translation>
    </message>
    <message>
        <source>Export components as CSV</source>
        <translation>Komponenten als CSV exportieren</translation>
    </message>
    <message>
        <source>Export rollup as CSV</source>
        <translation>Zusammenfassung als CSV exportieren</translation>
    </message>
    <message>
        <source>Design an air handler</source>
        <translation>Lüftungsgerät auslegen</translation>
    </message>
    <message>
        <source>Remove the air handler</source>
        <translation>Lüftungsgerät entfernen</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>SHF %1</translation>
    </message>
    <message>
        <source>SHR –</source>
        <translation>SHF –</translation>
    </message>
    <message>
        <source>Supply air %1 %2, %3 %4; %5 %6; %7 %8 of dry air</source>
        <translation>Zuluft %1 %2, %3 %4; %5 %6; %7 %8 trockene Luft</translation>
    </message>
    <message>
        <source>No supply air: the case has no solution.</source>
        <translation>Keine Zuluft: der Fall hat keine Lösung.</translation>
    </message>
    <message>
        <source>Design conditions of %1</source>
        <translation>Auslegungsbedingungen von %1</translation>
    </message>
    <message>
        <source>Open a weather file first.</source>
        <translation>Öffnen Sie zuerst eine Wetterdatei.</translation>
    </message>
    <message>
        <source>No solution: %1</source>
        <translation>Keine Lösung: %1</translation>
    </message>
    <message>
        <source>The chain reaches the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2.</source>
        <translation>Die Kette erreicht die Zuluft: sie deckt die sensible Raumlast zu %1 und die latente zu %2.</translation>
    </message>
    <message>
        <source>The air leaving the chain misses the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2, not within 1 %. Order or size the components until it does.</source>
        <translation>Die Luft am Ende der Kette verfehlt die Zuluft: sie deckt die sensible Raumlast zu %1 und die latente zu %2, nicht innerhalb von 1 %. Ordnen oder bemessen Sie die Komponenten, bis sie es tut.</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>Nicht geändert: %1</translation>
    </message>
    <message>
        <source>Not changed: “%1” is not a number.</source>
        <translation>Nicht geändert: „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Open a weather file first: its design conditions give the outdoor air.</source>
        <translation>Öffnen Sie zuerst eine Wetterdatei: ihre Auslegungsbedingungen ergeben die Außenluft.</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % dehumidification design.</source>
        <translation>Die Wetterdatei enthält keine 0,4-%-Entfeuchtungsauslegung.</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % cooling design.</source>
        <translation>Die Wetterdatei enthält keine 0,4-%-Kühlauslegung.</translation>
    </message>
    <message>
        <source>The weather file gives no 99.6 % heating design.</source>
        <translation>Die Wetterdatei enthält keine 99,6-%-Heizauslegung.</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>Komponenten des Lüftungsgeräts exportieren</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>Zusammenfassung des Lüftungsgeräts exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Nicht exportiert: %1</translation>
    </message>
    <message>
        <source>tons</source>
        <translation>Tonnen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>chart::ChartPainter</name>
    <message>
        <source>Dry bulb temperature, %1</source>
        <translation>Trockenkugeltemperatur, %1</translation>
    </message>
    <message>
        <source>Humidity ratio, %1</source>
        <translation>Wassergehalt x, %1</translation>
    </message>
    <message>
        <source>%1    Atmospheric pressure %2 %3</source>
        <translation>%1    Luftdruck %2 %3</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>Relative Feuchte, %</translation>
    </message>
    <message>
        <source>Wet bulb, %1</source>
        <translation>Feuchtkugeltemperatur, %1</translation>
    </message>
    <message>
        <source>Enthalpy, %1</source>
        <translation>Enthalpie h, %1</translation>
    </message>
    <message>
        <source>Specific volume, %1</source>
        <translation>Spezifisches Volumen, %1</translation>
    </message>
    <message>
        <source>State  %1 %2</source>
        <translation>Zustand  %1 %2</translation>
    </message>
    <message>
        <source>No chart: the atmospheric pressure is not valid.</source>
        <translation>Kein Diagramm: der Luftdruck ist ungültig.</translation>
    </message>
</context>
<context>
    <name>chart::ChartStyle</name>
    <message>
        <source>Mollier h-x Diagram</source>
        <translation>Mollier-h,x-Diagramm</translation>
    </message>
    <message>
        <source>Psychrometric Chart</source>
        <translation>Psychrometrisches Diagramm</translation>
    </message>
</context>
<context>
    <name>chart::ChartWindow</name>
    <message>
        <source>A&amp;ir Handler</source>
        <translation>Lüftungsger&amp;ät</translation>
    </message>
    <message>
        <source>Export Air Handler Co&amp;mponents (CSV)...</source>
        <translation>&amp;Komponenten des Lüftungsgeräts exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Export Air Handler Ro&amp;llup (CSV)...</source>
        <translation>Zusa&amp;mmenfassung des Lüftungsgeräts exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>Komponenten des Lüftungsgeräts exportieren</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>Zusammenfassung des Lüftungsgeräts exportieren</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>Das Projekt hat kein Lüftungsgerät.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Air handler, summer case: the chain</source>
        <translation>Lüftungsgerät, Sommerfall: die Kette</translation>
    </message>
    <message>
        <source>Air handler, winter case: the chain</source>
        <translation>Lüftungsgerät, Winterfall: die Kette</translation>
    </message>
    <message>
        <source>Air handler: rollup of both cases</source>
        <translation>Lüftungsgerät: Zusammenfassung beider Fälle</translation>
    </message>
    <message>
        <source>&amp;Weather</source>
        <translation>Wett&amp;er</translation>
    </message>
    <message>
        <source>The psychrometric chart of the calculator&apos;s state. Escape hides it; F2 in the calculator shows it again.</source>
        <translation>Das h,x-Diagramm zum Zustand des Rechners. Escape blendet es aus; F2 im Rechner zeigt es wieder.</translation>
    </message>
    <message>
        <source>Chart of moist air at the calculator&apos;s atmospheric pressure, with the computed state marked. Hovering the mouse over it shows the properties of the point under the pointer; a double click enters that point into the calculator as dry bulb temperature and humidity ratio; with Shift it adds a state point there. State points can be dragged. The wheel zooms.</source>
        <translation>Diagramm feuchter Luft beim Luftdruck des Rechners, mit dem berechneten Zustand markiert. Die Maus darüber zeigt die Eigenschaften des Punkts unter dem Zeiger; ein Doppelklick gibt diesen Punkt als Trockenkugeltemperatur und Wassergehalt in den Rechner ein; mit Umschalt fügt er dort einen Zustandspunkt hinzu. Zustandspunkte lassen sich ziehen. Das Mausrad zoomt.</translation>
    </message>
    <message>
        <source>%1 resets the zoom.</source>
        <translation>%1 setzt den Zoom zurück.</translation>
    </message>
    <message>
        <source>%1 copies the chart.</source>
        <translation>%1 kopiert das Diagramm.</translation>
    </message>
    <message>
        <source>%1 saves it to a file.</source>
        <translation>%1 speichert es in eine Datei.</translation>
    </message>
    <message>
        <source>Psychrometric chart</source>
        <translation>h,x-Diagramm</translation>
    </message>
    <message>
        <source>Chart menu</source>
        <translation>Diagrammmenü</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>The points, processes, zones and weather shown on the chart, a tab each. F9 hides and shows the panel.</source>
        <translation>Die Punkte, Prozesse, Zonen und das Wetter im Diagramm, je eine Registerkarte. F9 blendet die Leiste aus und ein.</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>Wetterdatei</translation>
    </message>
    <message>
        <source>The hours of a weather file on the chart: display, month and hour filter, zones, limits, hour counts and design conditions.</source>
        <translation>Die Stunden einer Wetterdatei im Diagramm: Darstellung, Monats- und Stundenfilter, Zonen, Grenzen, Stundenzahlen und Auslegungsbedingungen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Weather File...</source>
        <translation>&amp;Wetterdatei öffnen...</translation>
    </message>
    <message>
        <source>Export Weather S&amp;tatistics...</source>
        <translation>Wetterst&amp;atistik exportieren...</translation>
    </message>
    <message>
        <source>Close Weather &amp;File</source>
        <translation>Wetterdatei schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Side &amp;Panel</source>
        <translation>Seiten&amp;leiste</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>%1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Weather File</source>
        <translation>Wetterdatei öffnen</translation>
    </message>
    <message>
        <source>Reading the weather file</source>
        <translation>Die Wetterdatei wird gelesen</translation>
    </message>
    <message>
        <source>the calculator&apos;s pressure</source>
        <translation>der Luftdruck des Rechners</translation>
    </message>
    <message>
        <source>standard sea-level pressure</source>
        <translation>der Normdruck auf Meereshöhe</translation>
    </message>
    <message>
        <source>reading was cancelled.</source>
        <translation>das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>it holds no hour of valid weather.</source>
        <translation>sie enthält keine Stunde gültiger Wetterdaten.</translation>
    </message>
    <message>
        <source>Weather files (*.epw *.csv);;All files (*)</source>
        <translation>Wetterdateien (*.epw *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Weather Statistics</source>
        <translation>Wetterstatistik exportieren</translation>
    </message>
    <message>
        <source>Weather statistics.csv</source>
        <translation>Wetterstatistik.csv</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1.</source>
        <translation>Die Statistik konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Psychrometric report.pdf</source>
        <translation>h,x-Bericht.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Air handler components.csv</source>
        <translation>Lüftungsgerät Komponenten.csv</translation>
    </message>
    <message>
        <source>Air handler rollup.csv</source>
        <translation>Lüftungsgerät Zusammenfassung.csv</translation>
    </message>
    <message>
        <source>Vaporwright projects (*.%1);;All files (*)</source>
        <translation>Vaporwright-Projekte (*.%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Poi&amp;nts</source>
        <translation>Pun&amp;kte</translation>
    </message>
    <message>
        <source>Pr&amp;ocesses</source>
        <translation>Pr&amp;ozesse</translation>
    </message>
    <message>
        <source>&amp;Zones</source>
        <translation>Zo&amp;nen</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>Projekt ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;speichern</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>Projekt speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export &amp;Points (CSV)...</source>
        <translation>&amp;Punkte exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Export Proc&amp;esses (CSV)...</source>
        <translation>Pro&amp;zesse exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export Report (P&amp;DF)...</source>
        <translation>&amp;Bericht exportieren (PDF)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Psychrometric Chart[*]</source>
        <translation>h,x-Diagramm[*]</translation>
    </message>
    <message>
        <source>Psychrometric Chart - %1[*]</source>
        <translation>h,x-Diagramm - %1[*]</translation>
    </message>
    <message>
        <source>Unsaved Project</source>
        <translation>Ungespeichertes Projekt</translation>
    </message>
    <message>
        <source>The project has changes that are not saved. Save them first?</source>
        <translation>Das Projekt hat ungespeicherte Änderungen. Zuerst speichern?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2
The project shown is kept.</source>
        <translation>%1 kann nicht geöffnet werden: %2
Das angezeigte Projekt bleibt erhalten.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Project.vwproj</source>
        <translation>Projekt.vwproj</translation>
    </message>
    <message>
        <source>Export Points</source>
        <translation>Punkte exportieren</translation>
    </message>
    <message>
        <source>State points.csv</source>
        <translation>Zustandspunkte.csv</translation>
    </message>
    <message>
        <source>Export Processes</source>
        <translation>Prozesse exportieren</translation>
    </message>
    <message>
        <source>Processes.csv</source>
        <translation>Prozesse.csv</translation>
    </message>
    <message>
        <source>Mollier h-x diagram</source>
        <translation>Mollier-h,x-Diagramm</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 kPa, SI units</source>
        <translation>Luftdruck %1 kPa, SI-Einheiten</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 psia, IP units</source>
        <translation>Luftdruck %1 psia, IP-Einheiten</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Projekt %1</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>Stundenzahlen</translation>
    </message>
    <message>
        <source>Design conditions (all hours)</source>
        <translation>Auslegungsbedingungen (alle Stunden)</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the point lies inside the zone</comment>
        <translation>innen</translation>
    </message>
    <message>
        <source>out</source>
        <comment>the point lies outside the zone</comment>
        <translation>außen</translation>
    </message>
    <message>
        <source>State points</source>
        <translation>Zustandspunkte</translation>
    </message>
    <message>
        <source>Zones (in: the point lies inside): </source>
        <translation>Zonen (innen: der Punkt liegt darin): </translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>Mischungen</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print preview of the report</source>
        <translation>Druckvorschau des Berichts</translation>
    </message>
</context>
<context>
    <name>chart::ComponentDialog</name>
    <message>
        <source>%1 Settings</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Component message</source>
        <translation>Meldung zur Komponente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>0 to 1</source>
        <translation>0 bis 1</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Einheit: %1</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>„%1“ ist keine Zahl für: %2.</translation>
    </message>
    <message>
        <source>&amp;Exchanger:</source>
        <translation>&amp;Übertrager:</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Platte</translation>
    </message>
    <message>
        <source>&amp;Sensible effectiveness:</source>
        <translation>&amp;Sensibler Wirkungsgrad:</translation>
    </message>
    <message>
        <source>&amp;Latent effectiveness:</source>
        <translation>&amp;Latenter Wirkungsgrad:</translation>
    </message>
    <message>
        <source>&amp;Given exhaust airflow (otherwise balanced)</source>
        <translation>&amp;Vorgegebener Fortluftstrom (sonst ausgeglichen)</translation>
    </message>
    <message>
        <source>E&amp;xhaust airflow:</source>
        <translation>&amp;Fortluftstrom:</translation>
    </message>
    <message>
        <source>&amp;Economizer:</source>
        <translation>&amp;Economizer:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>&amp;High limit</source>
        <translation>&amp;Obergrenze</translation>
    </message>
    <message>
        <source>High-limit &amp;dry bulb:</source>
        <translation>&amp;Trockenkugeltemperatur der Obergrenze:</translation>
    </message>
    <message>
        <source>&amp;Maximum outdoor air share:</source>
        <translation>&amp;Maximaler Außenluftanteil:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rolle:</translation>
    </message>
    <message>
        <source>Preheat</source>
        <translation>Vorerhitzer</translation>
    </message>
    <message>
        <source>Reheat</source>
        <translation>Nacherhitzer</translation>
    </message>
    <message>
        <source>&amp;Sized by:</source>
        <translation>&amp;Bemessen nach:</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>Austrittstemperatur</translation>
    </message>
    <message>
        <source>Temperature rise</source>
        <translation>Temperaturerhöhung</translation>
    </message>
    <message>
        <source>To the supply air</source>
        <translation>Auf die Zuluft</translation>
    </message>
    <message>
        <source>&amp;Leaving dry bulb:</source>
        <translation>&amp;Austrittstemperatur:</translation>
    </message>
    <message>
        <source>Temperature r&amp;ise:</source>
        <translation>Temperatur&amp;erhöhung:</translation>
    </message>
    <message>
        <source>Leaving dry bulb and RH</source>
        <translation>Austrittstemperatur und relative Feuchte</translation>
    </message>
    <message>
        <source>Apparatus dew point and bypass</source>
        <translation>Taupunkt des Kühlers und Bypass</translation>
    </message>
    <message>
        <source>To the supply&apos;s humidity</source>
        <translation>Auf die Feuchte der Zuluft</translation>
    </message>
    <message>
        <source>Leaving relative &amp;humidity:</source>
        <translation>Relative &amp;Feuchte am Austritt:</translation>
    </message>
    <message>
        <source>&amp;Apparatus dew point:</source>
        <translation>&amp;Taupunkt des Kühlers:</translation>
    </message>
    <message>
        <source>&amp;Bypass factor:</source>
        <translation>&amp;Bypassfaktor:</translation>
    </message>
    <message>
        <source>&amp;Heat by:</source>
        <translation>&amp;Wärme nach:</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>&amp;Shaft power:</source>
        <translation>&amp;Wellenleistung:</translation>
    </message>
    <message>
        <source>&amp;Power unit:</source>
        <translation>Leistungs&amp;einheit:</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>&amp;Motor efficiency:</source>
        <translation>&amp;Motorwirkungsgrad:</translation>
    </message>
    <message>
        <source>Motor in the &amp;airstream</source>
        <translation>Motor im &amp;Luftstrom</translation>
    </message>
    <message>
        <source>&amp;Rise:</source>
        <translation>Temperatur&amp;erhöhung:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>Steam</source>
        <translation>Dampf</translation>
    </message>
    <message>
        <source>Adiabatic</source>
        <translation>Adiabat</translation>
    </message>
    <message>
        <source>Leaving dew point</source>
        <translation>Taupunkt am Austritt</translation>
    </message>
    <message>
        <source>Leaving relative humidity</source>
        <translation>Relative Feuchte am Austritt</translation>
    </message>
    <message>
        <source>Leaving &amp;dew point:</source>
        <translation>&amp;Taupunkt am Austritt:</translation>
    </message>
    <message>
        <source>S&amp;team temperature:</source>
        <translation>&amp;Dampftemperatur:</translation>
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
    <name>chart::HoverReadout</name>
    <message>
        <source>Dry bulb %1</source>
        <translation>Trockenkugeltemperatur %1</translation>
    </message>
    <message>
        <source>Humidity ratio %1 %2</source>
        <translation>Wassergehalt x %1 %2</translation>
    </message>
    <message>
        <source>Supersaturated</source>
        <translation>Übersättigt</translation>
    </message>
    <message>
        <source>Relative humidity %1 %</source>
        <translation>Relative Feuchte %1 %</translation>
    </message>
    <message>
        <source>Wet bulb %1</source>
        <translation>Feuchtkugeltemperatur %1</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>Taupunkt %1</translation>
    </message>
    <message>
        <source>Enthalpy %1 %2</source>
        <translation>Enthalpie h %1 %2</translation>
    </message>
    <message>
        <source>Specific volume %1 %2</source>
        <translation>Spezifisches Volumen %1 %2</translation>
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
    <name>chart::MixingTableModel</name>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweite</translation>
    </message>
    <message>
        <source>Mixture</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>Mixture %1 of %2 and %3</source>
        <translation>Mischung %1 aus %2 und %3</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweite</translation>
    </message>
    <message>
        <source>mixture</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
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
        <translation>Volumenstromeinheit</translation>
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
    <message>
        <source>Dry bulb</source>
        <translation>Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>dry bulb</source>
        <translation>Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>Feuchtkugeltemperatur</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>Feuchtkugeltemperatur</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>rel. F.</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>relative Feuchte</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Wassergehalt x</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>Wassergehalt</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>Vapor pressure</source>
        <translation>Dampfdruck</translation>
    </message>
    <message>
        <source>vapor pressure</source>
        <translation>Dampfdruck</translation>
    </message>
    <message>
        <source>Degree of saturation</source>
        <translation>Sättigungsgrad</translation>
    </message>
    <message>
        <source>degree of saturation</source>
        <translation>Sättigungsgrad</translation>
    </message>
    <message>
        <source>Specific volume</source>
        <translation>Spezifisches Volumen</translation>
    </message>
    <message>
        <source>specific volume</source>
        <translation>spezifisches Volumen</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Absolute humidity</source>
        <translation>Absolute Feuchte</translation>
    </message>
    <message>
        <source>absolute humidity</source>
        <translation>absolute Feuchte</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Moisture concentration</source>
        <translation>Feuchtekonzentration</translation>
    </message>
    <message>
        <source>moisture concentration</source>
        <translation>Feuchtekonzentration</translation>
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
    <name>chart::ProcessTableModel</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Sensible</source>
        <translation>Sensibel</translation>
    </message>
    <message>
        <source>Latent</source>
        <translation>Latent</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>SHR</source>
        <translation>SHF</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>ADP</source>
        <translation>Apparatetaupunkt</translation>
    </message>
    <message>
        <source>Bypass factor</source>
        <translation>Bypassfaktor</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Process %1 to %2</source>
        <translation>Prozess %1 nach %2</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>dry-bulb change</source>
        <translation>Änderung der Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>humidity-ratio change</source>
        <translation>Änderung des Wassergehalts</translation>
    </message>
    <message>
        <source>enthalpy change</source>
        <translation>Änderung der Enthalpie</translation>
    </message>
    <message>
        <source>sensible</source>
        <translation>sensibel</translation>
    </message>
    <message>
        <source>latent</source>
        <translation>latent</translation>
    </message>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>sensible heat ratio</source>
        <translation>sensibler Wärmefaktor</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>apparatus dew point</source>
        <translation>Apparatetaupunkt</translation>
    </message>
    <message>
        <source>bypass factor</source>
        <translation>Bypassfaktor</translation>
    </message>
    <message>
        <source>message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>%1, no %2</source>
        <translation>%1, kein Wert für %2</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
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
    <message>
        <source>Processes message</source>
        <translation>Meldung der Prozesse</translation>
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
    <name>chart::ProjectInteraction</name>
    <message>
        <source>No point added: Shift + double-click inside the plot.</source>
        <translation>Kein Punkt hinzugefügt: Umschalt + Doppelklick innerhalb des Diagramms.</translation>
    </message>
    <message>
        <source>No point added: there is no air above the saturation curve.</source>
        <translation>Kein Punkt hinzugefügt: oberhalb der Sättigungslinie gibt es keine Luft.</translation>
    </message>
    <message>
        <source>No point added: %1</source>
        <translation>Kein Punkt hinzugefügt: %1</translation>
    </message>
    <message>
        <source>there is no air here.</source>
        <translation>hier gibt es keine Luft.</translation>
    </message>
</context>
<context>
    <name>chart::ProjectLayer</name>
    <message>
        <source>Comfort zone</source>
        <translation>Behaglichkeitsfeld</translation>
    </message>
    <message>
        <source>Data room</source>
        <translation>Rechenzentrum</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1, nicht angezeigt: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 %5</source>
        <translation>%1: %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>Keine Punkte</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 nach %2: %3</translation>
    </message>
    <message>
        <source>Processes: %1</source>
        <translation>Prozesse: %1</translation>
    </message>
    <message>
        <source>%1 mixes %2 %3 % and %4 %5 % of the dry air</source>
        <translation>%1 mischt %2 %3 % und %4 %5 % der trockenen Luft</translation>
    </message>
    <message>
        <source>Mixtures: %1</source>
        <translation>Mischungen: %1</translation>
    </message>
    <message>
        <source>thermal comfort zone</source>
        <translation>thermisches Behaglichkeitsfeld</translation>
    </message>
    <message>
        <source>data-processing room envelope</source>
        <translation>Klimahülle für Rechenzentren</translation>
    </message>
    <message>
        <source>Zones shown: %1</source>
        <translation>Angezeigte Zonen: %1</translation>
    </message>
</context>
<context>
    <name>chart::PsychroChart</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>A&amp;SHRAE Chart</source>
        <translation>A&amp;SHRAE-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Mollier h-x Diagram</source>
        <translation>&amp;Mollier-h,x-Diagramm</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save Chart As</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1.</source>
        <translation>Das Diagramm konnte nicht unter %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>chart::WeatherLayers</name>
    <message>
        <source>Hours per cell</source>
        <translation>Stunden je Zelle</translation>
    </message>
</context>
<context>
    <name>chart::WeatherPanel</name>
    <message>
        <source>Weather file, hours shown, zones and limits</source>
        <translation>Wetterdatei, gezeigte Stunden, Zonen und Grenzwerte</translation>
    </message>
    <message>
        <source>Hours shown</source>
        <translation>Gezeigte Stunden</translation>
    </message>
    <message>
        <source>Density shading (hours per cell)</source>
        <translation>Dichteschattierung (Stunden je Zelle)</translation>
    </message>
    <message>
        <source>Dots coloured by month</source>
        <translation>Punkte nach Monat gefärbt</translation>
    </message>
    <message>
        <source>Count %1</source>
        <translation>%1 zählen</translation>
    </message>
    <message>
        <source>&amp;Hours from</source>
        <translation>Stunden &amp;von</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>b&amp;is</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>Thermal &amp;comfort (PMV)</source>
        <translation>Thermische Be&amp;haglichkeit (PMV)</translation>
    </message>
    <message>
        <source>Summer, 0.5 clo</source>
        <translation>Sommer, 0,5 clo</translation>
    </message>
    <message>
        <source>Winter, 1.0 clo</source>
        <translation>Winter, 1,0 clo</translation>
    </message>
    <message>
        <source>&amp;Data-room envelope</source>
        <translation>&amp;Rechenzentrums-Hüllkurve</translation>
    </message>
    <message>
        <source>&amp;User zone</source>
        <translation>Ben&amp;utzerzone</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>keine Grenze</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>Stundenzahlen</translation>
    </message>
    <message>
        <source>Hours of the filtered months and hours of the day inside each zone shown and above and below each limit, with their share of the filtered hours.</source>
        <translation>Stunden der gefilterten Monate und Tagesstunden in jeder gezeigten Zone sowie über und unter jedem Grenzwert, mit ihrem Anteil an den gefilterten Stunden.</translation>
    </message>
    <message>
        <source>Design conditions</source>
        <translation>Auslegungsbedingungen</translation>
    </message>
    <message>
        <source>Climatic design conditions computed from all hours of the file, beside the values its header gives.</source>
        <translation>Klimatische Auslegungsbedingungen aus allen Stunden der Datei, neben den Werten ihres Dateikopfs.</translation>
    </message>
    <message>
        <source>Hour count&amp;s</source>
        <translation>Stunden&amp;zahlen</translation>
    </message>
    <message>
        <source>Desi&amp;gn conditions (all hours)</source>
        <translation>Auslegungsbedin&amp;gungen (alle Stunden)</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>Wetterdatei</translation>
    </message>
    <message>
        <source>Chart pressure</source>
        <translation>Luftdruck des Diagramms</translation>
    </message>
    <message>
        <source>Weather file message</source>
        <translation>Meldung zur Wetterdatei</translation>
    </message>
    <message>
        <source>Rows skipped</source>
        <translation>Übersprungene Zeilen</translation>
    </message>
    <message>
        <source>Hours shown as</source>
        <translation>Stunden gezeigt als</translation>
    </message>
    <message>
        <source>Density shading colours each cell of the chart by the hours in it; dots mark every hour in the colour of its month.</source>
        <translation>Die Dichteschattierung färbt jede Zelle des Diagramms nach ihren Stunden; Punkte zeigen jede Stunde in der Farbe ihres Monats.</translation>
    </message>
    <message>
        <source>First hour of the day counted</source>
        <translation>Erste gezählte Stunde des Tages</translation>
    </message>
    <message>
        <source>Last hour of the day counted</source>
        <translation>Letzte gezählte Stunde des Tages</translation>
    </message>
    <message>
        <source>Hours that start from this hour to the last hour, inclusive, are drawn and counted; a range past midnight counts the night.</source>
        <translation>Stunden, die von dieser bis einschließlich der letzten Stunde beginnen, werden gezeichnet und gezählt; ein Bereich über Mitternacht zählt die Nacht.</translation>
    </message>
    <message>
        <source>Show the thermal comfort zone</source>
        <translation>Behaglichkeitszone zeigen</translation>
    </message>
    <message>
        <source>Air in which the predicted mean vote of ISO 7730 lies within plus or minus 0.5 at 1.1 met and 0.1 m/s, humidity ratio at most 0.012.</source>
        <translation>Luft, in der das vorausgesagte mittlere Votum (PMV) nach ISO 7730 bei 1,1 met und 0,1 m/s innerhalb von plus oder minus 0,5 liegt, Wassergehalt höchstens 0,012.</translation>
    </message>
    <message>
        <source>Clothing of the comfort zone</source>
        <translation>Bekleidung der Behaglichkeitszone</translation>
    </message>
    <message>
        <source>Show the data-room envelope</source>
        <translation>Rechenzentrums-Hüllkurve zeigen</translation>
    </message>
    <message>
        <source>The recommended envelope for data-processing rooms: 18 to 27 °C, dew point -9 to 15 °C, at most 60 % relative humidity.</source>
        <translation>Der empfohlene Bereich für Rechenzentren: 18 bis 27 °C, Taupunkt -9 bis 15 °C, höchstens 60 % relative Feuchte.</translation>
    </message>
    <message>
        <source>Show the user zone</source>
        <translation>Benutzerzone zeigen</translation>
    </message>
    <message>
        <source>A zone of the limits below; a limit left empty does not apply.</source>
        <translation>Eine Zone aus den Grenzen unten; eine leere Grenze gilt nicht.</translation>
    </message>
    <message>
        <source>User zone problem</source>
        <translation>Problem der Benutzerzone</translation>
    </message>
    <message>
        <source>Dry bulb limit</source>
        <translation>Grenzwert Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>Dew point limit</source>
        <translation>Grenzwert Taupunkt</translation>
    </message>
    <message>
        <source>Humidity ratio limit</source>
        <translation>Grenzwert Wassergehalt</translation>
    </message>
    <message>
        <source>The hour counts give the hours above and below this value.</source>
        <translation>Die Stundenzahlen geben die Stunden über und unter diesem Wert.</translation>
    </message>
    <message>
        <source>Dry bulb min (%1)</source>
        <translation>Trockenkugel min. (%1)</translation>
    </message>
    <message>
        <source>Dry bulb max (%1)</source>
        <translation>Trockenkugel max. (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio min (%1)</source>
        <translation>Wassergehalt min. (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio max (%1)</source>
        <translation>Wassergehalt max. (%1)</translation>
    </message>
    <message>
        <source>RH max (%)</source>
        <translation>rel. Feuchte max. (%)</translation>
    </message>
    <message>
        <source>Dew point min (%1)</source>
        <translation>Taupunkt min. (%1)</translation>
    </message>
    <message>
        <source>Dew point max (%1)</source>
        <translation>Taupunkt max. (%1)</translation>
    </message>
    <message>
        <source>User zone %1</source>
        <translation>Benutzerzone %1</translation>
    </message>
    <message>
        <source>Dr&amp;y bulb (%1)</source>
        <translation>&amp;Trockenkugeltemperatur (%1)</translation>
    </message>
    <message>
        <source>Dew &amp;point (%1)</source>
        <translation>Tau&amp;punkt (%1)</translation>
    </message>
    <message>
        <source>Humidity &amp;ratio (%1)</source>
        <translation>&amp;Wassergehalt x (%1)</translation>
    </message>
    <message>
        <source>Not a number: %1.</source>
        <translation>Keine Zahl: %1.</translation>
    </message>
    <message>
        <source>comfort zone (summer, 0.5 clo)</source>
        <translation>Behaglichkeitszone (Sommer, 0,5 clo)</translation>
    </message>
    <message>
        <source>comfort zone (winter, 1.0 clo)</source>
        <translation>Behaglichkeitszone (Winter, 1,0 clo)</translation>
    </message>
    <message>
        <source>data-room envelope</source>
        <translation>Rechenzentrums-Hüllkurve</translation>
    </message>
    <message>
        <source>user zone</source>
        <translation>Benutzerzone</translation>
    </message>
    <message>
        <source>Chart at %1 (site elevation %2 m)</source>
        <translation>Diagramm bei %1 (Höhe des Standorts %2 m)</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19,812 m).</source>
        <translation>Diagramm bei %1, dem Median des Luftdrucks der Stunden der Datei: die Höhe des Standorts liegt außerhalb des Bereichs des Höhenpolynoms (-609,6 m bis 19.812 m).</translation>
    </message>
    <message>
        <source>Chart at %1, %2: the file gives no elevation and no pressure, so its hours are taken at %2.</source>
        <translation>Diagramm bei %1, %2: die Datei gibt weder Höhe noch Luftdruck an, daher gelten ihre Stunden bei %2.</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the file gives no elevation.</source>
        <translation>Diagramm bei %1, dem Median des Luftdrucks der Stunden der Datei: die Datei gibt keine Höhe an.</translation>
    </message>
    <message>
        <source>1 hour skipped: %1</source>
        <translation>1 Stunde übersprungen: %1</translation>
    </message>
    <message>
        <source>%1 hours skipped: %2</source>
        <translation>%1 Stunden übersprungen: %2</translation>
    </message>
    <message>
        <source>The file has %1 data rows; a year has %2.</source>
        <translation>Die Datei hat %1 Datenzeilen; ein Jahr hat %2.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Standort: %1</translation>
    </message>
    <message>
        <source>%1 hours read</source>
        <translation>%1 Stunden gelesen</translation>
    </message>
    <message>
        <source>No weather file. File &gt; Open Weather File... reads an EPW file or a CSV file of hourly weather.</source>
        <translation>Keine Wetterdatei. Datei &gt; Wetterdatei öffnen... liest eine EPW-Datei oder eine CSV-Datei mit stündlichen Wetterdaten.</translation>
    </message>
</context>
<context>
    <name>chart::WeatherStatistics</name>
    <message>
        <source>Statistic</source>
        <translation>Kennwert</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Share of filtered hours (%)</source>
        <translation>Anteil der gefilterten Stunden (%)</translation>
    </message>
    <message>
        <source>Hours read</source>
        <translation>Gelesene Stunden</translation>
    </message>
    <message>
        <source>Hours in the filter</source>
        <translation>Stunden im Filter</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Trocken­kugel­temperatur</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Wassergehalt x</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 über %2</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 unter %2</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Auslegungsfall</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>From the hours</source>
        <translation>Aus den Stunden</translation>
    </message>
    <message>
        <source>From the file header</source>
        <translation>Aus dem Dateikopf</translation>
    </message>
    <message>
        <source>Dry bulb (%1)</source>
        <translation>Trocken­kugel­temperatur (%1)</translation>
    </message>
    <message>
        <source>Heating 99.6 %</source>
        <translation>Heizen 99,6&#xa0;%</translation>
    </message>
    <message>
        <source>Heating 99 %</source>
        <translation>Heizen 99&#xa0;%</translation>
    </message>
    <message>
        <source>Cooling %1 %</source>
        <translation>Kühlen %1&#xa0;%</translation>
    </message>
    <message>
        <source>Mean coincident wet bulb (%1)</source>
        <translation>Mittlere zugehörige Feucht­kugel­temperatur (%1)</translation>
    </message>
    <message>
        <source>Dew point 0.4 %</source>
        <translation>Taupunkt 0,4&#xa0;%</translation>
    </message>
    <message>
        <source>Dew point (%1)</source>
        <translation>Taupunkt (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio (%1)</source>
        <translation>Wassergehalt x (%1)</translation>
    </message>
    <message>
        <source>Mean coincident dry bulb (%1)</source>
        <translation>Mittlere zugehörige Trocken­kugel­temperatur (%1)</translation>
    </message>
</context>
<context>
    <name>chart::ZonesView</name>
    <message>
        <source>Dry bulb min</source>
        <translation>Trockenkugel min.</translation>
    </message>
    <message>
        <source>Dry bulb max</source>
        <translation>Trockenkugel max.</translation>
    </message>
    <message>
        <source>Humidity ratio min</source>
        <translation>Wassergehalt min.</translation>
    </message>
    <message>
        <source>Humidity ratio max</source>
        <translation>Wassergehalt max.</translation>
    </message>
    <message>
        <source>RH min</source>
        <translation>rel. F. min.</translation>
    </message>
    <message>
        <source>RH max</source>
        <translation>rel. F. max.</translation>
    </message>
    <message>
        <source>Dew point min</source>
        <translation>Taupunkt min.</translation>
    </message>
    <message>
        <source>Dew point max</source>
        <translation>Taupunkt max.</translation>
    </message>
    <message>
        <source>&amp;Thermal comfort zone (|PMV| ≤ 0.5)</source>
        <translation>&amp;Thermisches Behaglichkeitsfeld (|PMV| ≤ 0.5)</translation>
    </message>
    <message>
        <source>Thermal comfort zone</source>
        <translation>Thermisches Behaglichkeitsfeld</translation>
    </message>
    <message>
        <source>Metabolic rate, met</source>
        <translation>Energieumsatz, met</translation>
    </message>
    <message>
        <source>Clothing insulation, clo</source>
        <translation>Wärmeisolation der Kleidung, clo</translation>
    </message>
    <message>
        <source>Air speed, m/s</source>
        <translation>Luftgeschwindigkeit, m/s</translation>
    </message>
    <message>
        <source>&amp;Metabolic rate:</source>
        <translation>Energie&amp;umsatz:</translation>
    </message>
    <message>
        <source>C&amp;lothing:</source>
        <translation>K&amp;leidung:</translation>
    </message>
    <message>
        <source>Air s&amp;peed:</source>
        <translation>Luftgeschwindi&amp;gkeit:</translation>
    </message>
    <message>
        <source>&amp;Summer (0.5 clo)</source>
        <translation>&amp;Sommer (0.5 clo)</translation>
    </message>
    <message>
        <source>Summer comfort preset</source>
        <translation>Vorgabe Sommer</translation>
    </message>
    <message>
        <source>W&amp;inter (1.0 clo)</source>
        <translation>W&amp;inter (1.0 clo)</translation>
    </message>
    <message>
        <source>Winter comfort preset</source>
        <translation>Vorgabe Winter</translation>
    </message>
    <message>
        <source>&amp;Data-processing room envelope</source>
        <translation>Klimahülle für Re&amp;chenzentren</translation>
    </message>
    <message>
        <source>Data-processing room envelope</source>
        <translation>Klimahülle für Rechenzentren</translation>
    </message>
    <message>
        <source>18–27 °C, dew point −9–15 °C, RH ≤ 60 %</source>
        <translation>18–27 °C, Taupunkt −9–15 °C, rel. F. ≤ 60 %</translation>
    </message>
    <message>
        <source>&amp;User zones:</source>
        <translation>Benutzer&amp;zonen:</translation>
    </message>
    <message>
        <source>User zones</source>
        <translation>Benutzerzonen</translation>
    </message>
    <message>
        <source>One row per zone: its name, its limits, an empty cell for none, and whether it is shown.</source>
        <translation>Eine Zeile je Zone: ihr Name, ihre Grenzen (eine leere Zelle für keine) und ob sie angezeigt wird.</translation>
    </message>
    <message>
        <source>&amp;Add zone</source>
        <translation>Zone &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add zone</source>
        <translation>Zone hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove zone</source>
        <translation>Zone ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove zone</source>
        <translation>Zone entfernen</translation>
    </message>
    <message>
        <source>Zones message</source>
        <translation>Meldung der Zonen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
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
    <message>
        <source>project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>[project]</source>
        <translation>[Projekt]</translation>
    </message>
</context>
<context>
    <name>processes::Problem</name>
    <message>
        <source>The dry bulb lies outside -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>Die Trockenkugeltemperatur liegt außerhalb von -148 °F bis 400 °F (-100 °C bis 204,4 °C).</translation>
    </message>
    <message>
        <source>The humidity ratio is below zero.</source>
        <translation>Der Wassergehalt ist kleiner als null.</translation>
    </message>
    <message>
        <source>The point holds more water than saturated air: it is fog, not air.</source>
        <translation>Der Punkt enthält mehr Wasser als gesättigte Luft: das ist Nebel, keine Luft.</translation>
    </message>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>Der Luftdruck muss über null und höchstens zehn Atmosphären betragen.</translation>
    </message>
    <message>
        <source>The two points are the same air.</source>
        <translation>Die beiden Punkte sind dieselbe Luft.</translation>
    </message>
    <message>
        <source>The two points are at different atmospheric pressures.</source>
        <translation>Die beiden Punkte liegen bei verschiedenen Luftdrücken.</translation>
    </message>
    <message>
        <source>The airflow must be greater than zero.</source>
        <translation>Der Volumenstrom muss größer als null sein.</translation>
    </message>
    <message>
        <source>The process line does not meet the saturation curve below the leaving air.</source>
        <translation>Die Prozesslinie trifft die Sättigungslinie unterhalb der Austrittsluft nicht.</translation>
    </message>
    <message>
        <source>The apparatus dew point must lie below the entering air&apos;s dry bulb and no higher than its dew point.</source>
        <translation>Der Apparatetaupunkt muss unter der Trockenkugeltemperatur der Eintrittsluft und nicht über ihrem Taupunkt liegen.</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>Der Bypassfaktor muss mindestens 0 und kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>The line from the entering air to the apparatus dew point passes through fog: the apparatus dew point is too low for this air.</source>
        <translation>Die Linie von der Eintrittsluft zum Apparatetaupunkt führt durch Nebel: der Apparatetaupunkt ist für diese Luft zu tief.</translation>
    </message>
    <message>
        <source>The PMV model takes 0.8 to 4 met, 0 to 2 clo and an air speed of 0 to 1 m/s.</source>
        <translation>Das PMV-Modell gilt für 0,8 bis 4 met, 0 bis 2 clo und eine Luftgeschwindigkeit von 0 bis 1 m/s.</translation>
    </message>
    <message>
        <source>The PMV model applies only from 50 °F to 86 °F (10 °C to 30 °C) with a vapour pressure of at most 2.7 kPa.</source>
        <translation>Das PMV-Modell gilt nur von 50 °F bis 86 °F (10 °C bis 30 °C) bei einem Dampfdruck von höchstens 2,7 kPa.</translation>
    </message>
    <message>
        <source>The zone has no limits.</source>
        <translation>Die Zone hat keine Grenzen.</translation>
    </message>
    <message>
        <source>A lower limit of the zone lies above its upper limit, or outside the range of real air.</source>
        <translation>Eine untere Grenze der Zone liegt über ihrer oberen Grenze oder außerhalb des Bereichs realer Luft.</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>Die Luft kann nicht berechnet werden.</translation>
    </message>
</context>
<context>
    <name>processes::Process</name>
    <message>
        <source>Sensible heating</source>
        <translation>Sensible Erwärmung</translation>
    </message>
    <message>
        <source>Sensible cooling</source>
        <translation>Sensible Kühlung</translation>
    </message>
    <message>
        <source>Cooling and dehumidifying</source>
        <translation>Kühlung und Entfeuchtung</translation>
    </message>
    <message>
        <source>Dehumidifying</source>
        <translation>Entfeuchtung</translation>
    </message>
    <message>
        <source>Heating and dehumidifying</source>
        <translation>Erwärmung und Entfeuchtung</translation>
    </message>
    <message>
        <source>Desiccant (adiabatic) dehumidifying</source>
        <translation>Sorptive (adiabate) Entfeuchtung</translation>
    </message>
    <message>
        <source>Evaporative (adiabatic) humidification</source>
        <translation>Verdunstungsbefeuchtung (adiabat)</translation>
    </message>
    <message>
        <source>Steam humidification</source>
        <translation>Dampfbefeuchtung</translation>
    </message>
    <message>
        <source>Heating and humidifying</source>
        <translation>Erwärmung und Befeuchtung</translation>
    </message>
    <message>
        <source>Cooling and humidifying</source>
        <translation>Kühlung und Befeuchtung</translation>
    </message>
</context>
<context>
    <name>project::Definition</name>
    <message>
        <source>dry bulb</source>
        <translation>Trockenkugeltemperatur</translation>
    </message>
    <message>
        <source>The dry bulb is not a number.</source>
        <translation>Die Trockenkugeltemperatur ist keine Zahl.</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>Feuchtkugeltemperatur</translation>
    </message>
    <message>
        <source>The wet bulb is not a number.</source>
        <translation>Die Feuchtkugeltemperatur ist keine Zahl.</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>relative Feuchte</translation>
    </message>
    <message>
        <source>The relative humidity is not a number.</source>
        <translation>Die relative Feuchte ist keine Zahl.</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>Wassergehalt</translation>
    </message>
    <message>
        <source>The humidity ratio is not a number.</source>
        <translation>Der Wassergehalt ist keine Zahl.</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>The enthalpy is not a number.</source>
        <translation>Die Enthalpie ist keine Zahl.</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>The dew point is not a number.</source>
        <translation>Der Taupunkt ist keine Zahl.</translation>
    </message>
    <message>
        <source>A point needs two different properties; %1 is given twice.</source>
        <translation>Ein Punkt braucht zwei verschiedene Größen; %1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>Dew point and humidity ratio both fix the water in the air at a given pressure; pair either with another property.</source>
        <translation>Taupunkt und Wassergehalt legen beide das Wasser in der Luft bei gegebenem Druck fest; kombinieren Sie eine der beiden mit einer anderen Größe.</translation>
    </message>
</context>
<context>
    <name>project::Edits</name>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>Punkt %1 ist keine reale Luft: %2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>Diesen Punkt gibt es nicht.</translation>
    </message>
    <message>
        <source>The calculator&apos;s state names no unit system.</source>
        <translation>Der Zustand des Rechners nennt kein Einheitensystem.</translation>
    </message>
    <message>
        <source>Perfectly dry air has no dew point to define a point by.</source>
        <translation>Völlig trockene Luft hat keinen Taupunkt, der einen Punkt festlegen könnte.</translation>
    </message>
    <message>
        <source>The calculator&apos;s state cannot be taken over.</source>
        <translation>Der Zustand des Rechners kann nicht übernommen werden.</translation>
    </message>
    <message>
        <source>Point %1 has no airflow to mix.</source>
        <translation>Punkt %1 hat keinen Volumenstrom zum Mischen.</translation>
    </message>
</context>
<context>
    <name>project::Project</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>Diesen Punkt gibt es nicht.</translation>
    </message>
    <message>
        <source>Rename point %1 to %2</source>
        <translation>Punkt %1 in %2 umbenennen</translation>
    </message>
    <message>
        <source>Edit point %1</source>
        <translation>Punkt %1 bearbeiten</translation>
    </message>
    <message>
        <source>Move point %1</source>
        <translation>Punkt %1 verschieben</translation>
    </message>
    <message>
        <source>Airflow of point %1</source>
        <translation>Volumenstrom von Punkt %1</translation>
    </message>
    <message>
        <source>Add coil to point %1</source>
        <translation>Luftkühler an Punkt %1 hinzufügen</translation>
    </message>
    <message>
        <source>Mix %1 and %2</source>
        <translation>%1 und %2 mischen</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>Das Projekt hat kein Lüftungsgerät.</translation>
    </message>
    <message>
        <source>Add point %1</source>
        <translation>Punkt %1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>Punkt %1 löschen</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>Prozess hinzufügen</translation>
    </message>
    <message>
        <source>Delete process</source>
        <translation>Prozess löschen</translation>
    </message>
    <message>
        <source>Add mixture</source>
        <translation>Mischung hinzufügen</translation>
    </message>
    <message>
        <source>Delete mixture</source>
        <translation>Mischung löschen</translation>
    </message>
    <message>
        <source>Change zones</source>
        <translation>Zonen ändern</translation>
    </message>
    <message>
        <source>Change pressure or units</source>
        <translation>Druck oder Einheiten ändern</translation>
    </message>
    <message>
        <source>Change air handler</source>
        <translation>Lüftungsgerät ändern</translation>
    </message>
</context>
<context>
    <name>project::ProjectData</name>
    <message>
        <source>A point needs a name.</source>
        <translation>Ein Punkt braucht einen Namen.</translation>
    </message>
    <message>
        <source>A point&apos;s name can be at most %1 characters long.</source>
        <translation>Der Name eines Punktes darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A point&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>Der Name eines Punktes darf keinen Zeilenumbruch, keinen Tabulator und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>There is a point named %1 already.</source>
        <translation>Es gibt bereits einen Punkt namens %1.</translation>
    </message>
    <message>
        <source>%1 to %2 is a process already.</source>
        <translation>%1 nach %2 ist bereits eine Zustandsänderung.</translation>
    </message>
    <message>
        <source>Point %1 cannot be mixed from itself.</source>
        <translation>Punkt %1 kann nicht aus sich selbst gemischt werden.</translation>
    </message>
    <message>
        <source>Point %1 is the mixture of two other points already.</source>
        <translation>Punkt %1 ist bereits die Mischung zweier anderer Punkte.</translation>
    </message>
    <message>
        <source>Comfort zone: %1</source>
        <translation>Behaglichkeitsfeld: %1</translation>
    </message>
    <message>
        <source>A zone needs a name.</source>
        <translation>Eine Zone braucht einen Namen.</translation>
    </message>
    <message>
        <source>A zone&apos;s name can be at most %1 characters long.</source>
        <translation>Der Name einer Zone darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A zone&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>Der Name einer Zone darf keinen Zeilenumbruch, keinen Tabulator und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
    <message>
        <source>The airflow is not a number.</source>
        <translation>Der Volumenstrom ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>project::ProjectFile</name>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Die Projektdatei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Die Projektdatei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>This project was saved by a newer version of Vaporwright (file version %1); this version reads version %2.</source>
        <translation>Dieses Projekt wurde mit einer neueren Version von Vaporwright gespeichert (Dateiversion %1); diese Version liest Version %2.</translation>
    </message>
    <message>
        <source>The project file&apos;s version is not one Vaporwright reads; this version reads version %1.</source>
        <translation>Die Version der Projektdatei ist keine, die Vaporwright liest; diese Version liest Version %1.</translation>
    </message>
    <message>
        <source>This is not a project file: %1.</source>
        <translation>Dies ist keine Projektdatei: %1.</translation>
    </message>
    <message>
        <source>This is not a Vaporwright project file.</source>
        <translation>Dies ist keine Vaporwright-Projektdatei.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a project file.</source>
        <translation>%1 ist zu groß für eine Projektdatei.</translation>
    </message>
</context>
<context>
    <name>weather::Columns</name>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3).</source>
        <translation>Spalte „%1“: keine solche Einheit für %2 (Einheiten: %3).</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3)</source>
        <translation>Spalte „%1“: keine solche Einheit für %2 (Einheiten: %3)</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4.</source>
        <translation>Spalte „%1“ nennt keine Einheit; benennen Sie sie mit einer der Einheiten von %2 (%3), etwa %2_%4.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4</source>
        <translation>Spalte „%1“ nennt keine Einheit; benennen Sie sie mit einer der Einheiten von %2 (%3), etwa %2_%4</translation>
    </message>
</context>
<context>
    <name>weather::Report</name>
    <message>
        <source>line longer than 16 MiB</source>
        <translation>Zeile länger als 16 MiB</translation>
    </message>
    <message>
        <source>wrong number of fields</source>
        <translation>falsche Anzahl Felder</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>ein Wert, der keine Zahl ist</translation>
    </message>
    <message>
        <source>no such date or hour</source>
        <translation>kein solches Datum und keine solche Stunde</translation>
    </message>
    <message>
        <source>leap day (29 February)</source>
        <translation>Schalttag (29. Februar)</translation>
    </message>
    <message>
        <source>hour already read</source>
        <translation>Stunde bereits gelesen</translation>
    </message>
    <message>
        <source>missing dry bulb</source>
        <translation>Trockenkugeltemperatur fehlt</translation>
    </message>
    <message>
        <source>dry bulb out of range</source>
        <translation>Trockenkugeltemperatur außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>missing station pressure</source>
        <translation>Stationsluftdruck fehlt</translation>
    </message>
    <message>
        <source>station pressure out of range</source>
        <translation>Stationsluftdruck außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>missing dew point</source>
        <translation>Taupunkt fehlt</translation>
    </message>
    <message>
        <source>dew point out of range</source>
        <translation>Taupunkt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>missing relative humidity</source>
        <translation>relative Feuchte fehlt</translation>
    </message>
    <message>
        <source>relative humidity out of range</source>
        <translation>relative Feuchte außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>missing wet bulb</source>
        <translation>Feuchtkugeltemperatur fehlt</translation>
    </message>
    <message>
        <source>wet bulb out of range</source>
        <translation>Feuchtkugeltemperatur außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>missing humidity ratio</source>
        <translation>Wassergehalt fehlt</translation>
    </message>
    <message>
        <source>humidity ratio out of range</source>
        <translation>Wassergehalt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>humidity above saturation</source>
        <translation>Feuchte über der Sättigung</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file but a pipe, a socket or a device.</source>
        <translation>Das ist keine gewöhnliche Datei, sondern eine Pipe, ein Socket oder ein Gerät.</translation>
    </message>
    <message>
        <source>Permission to read the file is denied.</source>
        <translation>Die Berechtigung zum Lesen der Datei fehlt.</translation>
    </message>
    <message>
        <source>The file could not be read to its end.</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not an EnergyPlus weather file: it does not begin with LOCATION.</source>
        <translation>Die Datei ist keine EnergyPlus-Wetterdatei: sie beginnt nicht mit LOCATION.</translation>
    </message>
    <message>
        <source>The file ends inside its header.</source>
        <translation>Die Datei endet innerhalb ihres Kopfs.</translation>
    </message>
    <message>
        <source>A line of the file&apos;s header is longer than 16 MiB.</source>
        <translation>Eine Zeile des Dateikopfs ist länger als 16 MiB.</translation>
    </message>
    <message>
        <source>The header has more than 16384 columns.</source>
        <translation>Der Kopf hat mehr als 16384 Spalten.</translation>
    </message>
    <message>
        <source>No column is named timestamp, time, date or datetime.</source>
        <translation>Keine Spalte heißt timestamp, time, date oder datetime.</translation>
    </message>
    <message>
        <source>No dry bulb column with its unit, such as dry_bulb_C.</source>
        <translation>Keine Spalte der Trockenkugeltemperatur mit ihrer Einheit, etwa dry_bulb_C.</translation>
    </message>
    <message>
        <source>No humidity column with its unit, such as relative_humidity_pct, dew_point_C, wet_bulb_C or humidity_ratio_g/kg.</source>
        <translation>Keine Feuchtespalte mit ihrer Einheit, etwa relative_humidity_pct, dew_point_C, wet_bulb_C oder humidity_ratio_g/kg.</translation>
    </message>
    <message>
        <source>More than one humidity column: keep one of relative humidity, dew point, wet bulb and humidity ratio.</source>
        <translation>Mehr als eine Feuchtespalte: behalten Sie eine von relativer Feuchte, Taupunkt, Feuchtkugeltemperatur und Wassergehalt.</translation>
    </message>
    <message>
        <source>More than one pressure or altitude column: keep one.</source>
        <translation>Mehr als eine Spalte für Luftdruck oder Höhe: behalten Sie eine.</translation>
    </message>
    <message>
        <source>A column names a quantity without a unit the program reads, such as pressure_kPa or altitude_m.</source>
        <translation>Eine Spalte nennt eine Größe ohne eine Einheit, die das Programm liest, etwa pressure_kPa oder altitude_m.</translation>
    </message>
</context>
<context>
    <name>weather::Site</name>
    <message>
        <source>The site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19812 m): the chart is drawn for the median station pressure of the file.</source>
        <translation>Die Höhe des Standorts liegt außerhalb des Bereichs des Höhenpolynoms (-609,6 m bis 19812 m): das Diagramm gilt für den Median des Stationsluftdrucks der Datei.</translation>
    </message>
    <message>
        <source>The file gives no elevation: the chart is drawn for the median station pressure of the file.</source>
        <translation>Die Datei gibt keine Höhe an: das Diagramm gilt für den Median des Stationsluftdrucks der Datei.</translation>
    </message>
</context>
</TS>
