<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>ContextIDs</name>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d&apos;afficher l&apos;aide. Aucune aide n&apos;est associée à ce projet.</translation>
    </message>
</context>
<context>
    <name>ContextIDs::HelpWindow</name>
    <message>
        <source>Vaporwright Help</source>
        <translation>Aide de Vaporwright</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Mots à chercher</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher&#xa0;:</translation>
    </message>
    <message>
        <source>Cannot open the help file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the help file %1: %2</source>
        <translation>Impossible de lire le fichier d&apos;aide %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Credit</name>
    <message>
        <source>Vaporwright Credit Screen</source>
        <translation>Vaporwright – Remerciements</translation>
    </message>
    <message>
        <source>Vaporwright was written by Tobias R. Quenneville (Dunmore Tollis Software).
Dedicated to Margit Elsholz, Anselm Okafor and Rosalind Thwaite.

Thank you all for your patience during the development of this software.</source>
        <translation>Vaporwright a été écrit par Tobias R. Quenneville (Dunmore Tollis Software).
Dédié à Margit Elsholz, Anselm Okafor et Rosalind Thwaite.

Merci à tous pour votre patience pendant le développement de ce logiciel.</translation>
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
        <translation>Affiché pendant le démarrage de Vaporwright&#xa0;; se ferme tout seul.</translation>
    </message>
    <message>
        <source>Vaporwright emblem</source>
        <translation>Emblème de Vaporwright</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the About window.</source>
        <translation>Ferme la fenêtre «&#xa0;À propos&#xa0;».</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Starts the system&apos;s information tool to show the computer&apos;s hardware and software.</source>
        <translation>Lance l&apos;outil d&apos;information du système, qui montre le matériel et les logiciels de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The disclaimer of Vaporwright, to read; it cannot be edited.</source>
        <translation>L&apos;avertissement de Vaporwright, à lire&#xa0;; il ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>Closes the disclaimer.</source>
        <translation>Ferme l&apos;avertissement.</translation>
    </message>
    <message>
        <source>Read the Disclaimer</source>
        <translation>Lire l&apos;avertissement</translation>
    </message>
    <message>
        <source>Opens the text of the disclaimer.</source>
        <translation>Ouvre le texte de l&apos;avertissement.</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>J&apos;ai lu l&apos;avertissement et je&#xa0;:</translation>
    </message>
    <message>
        <source>Agree or disagree with the disclaimer.</source>
        <translation>Accepter ou refuser l&apos;avertissement.</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Refuse</translation>
    </message>
    <message>
        <source>Disagrees with the disclaimer and ends Vaporwright.</source>
        <translation>Refuse l&apos;avertissement et quitte Vaporwright.</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Accepte</translation>
    </message>
    <message>
        <source>Agrees with the disclaimer and goes on to the calculator.</source>
        <translation>Accepte l&apos;avertissement et passe à la calculatrice.</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>Ne plus afficher au démarrage</translation>
    </message>
    <message>
        <source>Ticked, this prompt is not shown when Vaporwright starts; the File menu of the calculator still shows it.</source>
        <translation>Cochée, cette demande n&apos;apparaît plus au démarrage de Vaporwright&#xa0;; le menu Fichier de la calculatrice la montre toujours.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Words to find; the list below shows the help topics that contain them all.</source>
        <translation>Mots à chercher&#xa0;; la liste en dessous montre les rubriques d&apos;aide qui les contiennent tous.</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Enter or a click shows the chosen topic beside the list.</source>
        <translation>Entrée ou un clic affiche la rubrique choisie à côté de la liste.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>The text of Vaporwright&apos;s help; links lead to other topics.</source>
        <translation>Le texte de l&apos;aide de Vaporwright&#xa0;; les liens mènent à d&apos;autres rubriques.</translation>
    </message>
</context>
<context>
    <name>RealAir</name>
    <message>
        <source>No such air: no state has these two inputs</source>
        <translation>Air impossible&#xa0;: aucun état n&apos;a ces deux entrées</translation>
    </message>
    <message>
        <source>Could not solve these two inputs for the dry bulb</source>
        <translation>Impossible de déduire la température sèche de ces deux entrées</translation>
    </message>
    <message>
        <source>No state: relative humidity 0 with humidity ratio 0 fixes no dry bulb</source>
        <translation>Aucun état&#xa0;: une humidité relative de 0 avec une teneur en eau de 0 ne fixe aucune température sèche</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is below %1</source>
        <translation>Air impossible&#xa0;: la température sèche est inférieure à %1</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is above %1</source>
        <translation>Air impossible&#xa0;: la température sèche est supérieure à %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is below %1</source>
        <translation>Air impossible&#xa0;: la température humide est inférieure à %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above %1</source>
        <translation>Air impossible&#xa0;: la température humide est supérieure à %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is below %1</source>
        <translation>Air impossible&#xa0;: le point de rosée est inférieur à %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is above %1</source>
        <translation>Air impossible&#xa0;: le point de rosée est supérieur à %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above the dry bulb</source>
        <translation>Air impossible&#xa0;: la température humide dépasse la température sèche</translation>
    </message>
    <message>
        <source>No such air: the humidity ratio is below zero</source>
        <translation>Air impossible&#xa0;: la teneur en eau est négative</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is below 0 %</source>
        <translation>Air impossible&#xa0;: l&apos;humidité relative est inférieure à 0&#xa0;%</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is above %1 %</source>
        <translation>Air impossible&#xa0;: l&apos;humidité relative est supérieure à %1&#xa0;%</translation>
    </message>
    <message>
        <source>No such air: the vapor pressure reaches the atmospheric pressure</source>
        <translation>Air impossible&#xa0;: la pression de vapeur atteint la pression atmosphérique</translation>
    </message>
    <message>
        <source>No such air: the specific volume is not positive</source>
        <translation>Air impossible&#xa0;: le volume spécifique n&apos;est pas positif</translation>
    </message>
    <message>
        <source>No such air: a property is outside the range of the formulation</source>
        <translation>Air impossible&#xa0;: une grandeur sort du domaine de validité des formules</translation>
    </message>
    <message>
        <source>Atmospheric pressure at or below zero</source>
        <translation>Pression atmosphérique nulle ou négative</translation>
    </message>
    <message>
        <source>Atmospheric pressure beyond %1</source>
        <translation>Pression atmosphérique supérieure à %1</translation>
    </message>
    <message>
        <source>Altitude below %1</source>
        <translation>Altitude inférieure à %1</translation>
    </message>
    <message>
        <source>Altitude beyond %1</source>
        <translation>Altitude supérieure à %1</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot; as a number</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» comme un nombre</translation>
    </message>
    <message>
        <source>Could not store &quot;%1&quot;: the number is too large</source>
        <translation>Impossible de retenir «&#xa0;%1&#xa0;»&#xa0;: le nombre est trop grand</translation>
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
        <translation>Calculatrice psychrométrique de l&apos;air humide, formules de l&apos;ASHRAE</translation>
    </message>
    <message>
        <source>Copyright (C) 2023-2025 Dunmore Tollis Software. All rights reserved.</source>
        <translation>Copyright (C) 2023-2025 Dunmore Tollis Software. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Its results are engineering estimates; check them before you rely on them for design or operation.</source>
        <translation>Avertissement&#xa0;: ce programme est protégé par le droit d&apos;auteur. Ses résultats sont des estimations d&apos;ingénieur&#xa0;; vérifiez-les avant de vous y fier pour la conception ou l&apos;exploitation.</translation>
    </message>
</context>
<context>
    <name>airhandler</name>
    <message>
        <source>Component</source>
        <translation>Composant</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Entering dry bulb</source>
        <translation>Température sèche d&apos;entrée</translation>
    </message>
    <message>
        <source>Entering humidity ratio</source>
        <translation>Teneur en eau d&apos;entrée</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>Température sèche de sortie</translation>
    </message>
    <message>
        <source>Leaving humidity ratio</source>
        <translation>Teneur en eau de sortie</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>Air sec</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Sensible</source>
        <translation>Sensible</translation>
    </message>
    <message>
        <source>Latent</source>
        <translation>Latente</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>Air neuf</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>Air repris</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>Air mélangé</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Air soufflé</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>Air rejeté</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>Air du local</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>Charges du local</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refroidissement</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Chauffage</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Régime</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>Charge sensible du local</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>Charge latente du local</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Facteur de chaleur sensible du local</translation>
    </message>
    <message>
        <source>Room dry bulb</source>
        <translation>Température sèche du local</translation>
    </message>
    <message>
        <source>Room humidity ratio</source>
        <translation>Teneur en eau du local</translation>
    </message>
    <message>
        <source>Room enthalpy</source>
        <translation>Enthalpie du local</translation>
    </message>
    <message>
        <source>Supply dry bulb</source>
        <translation>Température sèche de soufflage</translation>
    </message>
    <message>
        <source>Supply humidity ratio</source>
        <translation>Teneur en eau de soufflage</translation>
    </message>
    <message>
        <source>Supply relative humidity</source>
        <translation>Humidité relative de soufflage</translation>
    </message>
    <message>
        <source>Supply enthalpy</source>
        <translation>Enthalpie de soufflage</translation>
    </message>
    <message>
        <source>Supply airflow</source>
        <translation>Débit de soufflage</translation>
    </message>
    <message>
        <source>Supply dry air</source>
        <translation>Air sec soufflé</translation>
    </message>
    <message>
        <source>Outdoor dry bulb</source>
        <translation>Température sèche extérieure</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio</source>
        <translation>Teneur en eau extérieure</translation>
    </message>
    <message>
        <source>Outdoor enthalpy</source>
        <translation>Enthalpie extérieure</translation>
    </message>
    <message>
        <source>Outdoor air share</source>
        <translation>Part d&apos;air neuf</translation>
    </message>
    <message>
        <source>Outdoor airflow</source>
        <translation>Débit d&apos;air neuf</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>Économiseur</translation>
    </message>
    <message>
        <source>Mixed air dry bulb</source>
        <translation>Température sèche de l&apos;air mélangé</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio</source>
        <translation>Teneur en eau de l&apos;air mélangé</translation>
    </message>
    <message>
        <source>Mixed air enthalpy</source>
        <translation>Enthalpie de l&apos;air mélangé</translation>
    </message>
    <message>
        <source>Cooling, sensible</source>
        <translation>Refroidissement, sensible</translation>
    </message>
    <message>
        <source>Cooling, latent</source>
        <translation>Refroidissement, latent</translation>
    </message>
    <message>
        <source>Steam heat</source>
        <translation>Chaleur de la vapeur</translation>
    </message>
    <message>
        <source>Fan heat</source>
        <translation>Chaleur du ventilateur</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air</source>
        <translation>Chaleur récupérée dans l&apos;air neuf</translation>
    </message>
    <message>
        <source>Humidifier water</source>
        <translation>Eau de l&apos;humidificateur</translation>
    </message>
    <message>
        <source>Condensate</source>
        <translation>Condensats</translation>
    </message>
    <message>
        <source>Room sensible load delivered</source>
        <translation>Charge sensible du local couverte</translation>
    </message>
    <message>
        <source>Room latent load delivered</source>
        <translation>Charge latente du local couverte</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>Charges du local couvertes à 1 % près</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>L&apos;air sortant de la chaîne n&apos;atteint pas l&apos;air soufflé.</translation>
    </message>
    <message>
        <source>, exhaust side</source>
        <translation>, côté air rejeté</translation>
    </message>
</context>
<context>
    <name>airhandler::Component</name>
    <message>
        <source>Heat-recovery wheel</source>
        <translation>Roue de récupération de chaleur</translation>
    </message>
    <message>
        <source>Heat-recovery plate</source>
        <translation>Échangeur à plaques de récupération</translation>
    </message>
    <message>
        <source>Mixing box</source>
        <translation>Caisson de mélange</translation>
    </message>
    <message>
        <source>Preheat coil</source>
        <translation>Batterie de préchauffage</translation>
    </message>
    <message>
        <source>Reheat coil</source>
        <translation>Batterie de réchauffage</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>Batterie froide</translation>
    </message>
    <message>
        <source>Supply fan</source>
        <translation>Ventilateur de soufflage</translation>
    </message>
    <message>
        <source>Steam humidifier</source>
        <translation>Humidificateur à vapeur</translation>
    </message>
    <message>
        <source>Adiabatic humidifier</source>
        <translation>Humidificateur adiabatique</translation>
    </message>
</context>
<context>
    <name>airhandler::Economizer</name>
    <message>
        <source>No economizer: minimum outdoor air.</source>
        <translation>Pas d&apos;économiseur&#xa0;: air neuf minimal.</translation>
    </message>
    <message>
        <source>Heating: the economizer keeps the minimum outdoor air.</source>
        <translation>Chauffage&#xa0;: l&apos;économiseur garde l&apos;air neuf minimal.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>La température sèche extérieure est inférieure à celle de l&apos;air repris&#xa0;: air neuf au-delà du minimum.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>La température sèche extérieure n&apos;est pas inférieure à celle de l&apos;air repris&#xa0;: air neuf minimal.</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>L&apos;enthalpie extérieure est inférieure à celle de l&apos;air repris&#xa0;: air neuf au-delà du minimum.</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>L&apos;enthalpie extérieure n&apos;est pas inférieure à celle de l&apos;air repris&#xa0;: air neuf minimal.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is above the economizer&apos;s high limit: minimum outdoor air.</source>
        <translation>La température sèche extérieure dépasse la limite haute de l&apos;économiseur&#xa0;: air neuf minimal.</translation>
    </message>
</context>
<context>
    <name>airhandler::Issue</name>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>La pression atmosphérique doit être supérieure à zéro et d&apos;au plus dix atmosphères.</translation>
    </message>
    <message>
        <source>The room air is not air.</source>
        <translation>L&apos;air ambiant n&apos;est pas de l&apos;air.</translation>
    </message>
    <message>
        <source>The outdoor air is not air.</source>
        <translation>L&apos;air extérieur n&apos;est pas de l&apos;air.</translation>
    </message>
    <message>
        <source>The room and outdoor air must be at the design&apos;s atmospheric pressure.</source>
        <translation>L&apos;air ambiant et l&apos;air extérieur doivent être à la pression atmosphérique du dimensionnement.</translation>
    </message>
    <message>
        <source>The room&apos;s loads must be numbers.</source>
        <translation>Les charges du local doivent être des nombres.</translation>
    </message>
    <message>
        <source>In cooling the room&apos;s sensible load must be a heat gain (above zero); in heating, a heat loss (below zero).</source>
        <translation>En refroidissement, la charge sensible du local doit être un apport de chaleur (supérieure à zéro)&#xa0;; en chauffage, une perte (inférieure à zéro).</translation>
    </message>
    <message>
        <source>In cooling the supply air must be colder than the room; in heating, warmer.</source>
        <translation>En refroidissement, l&apos;air soufflé doit être plus froid que le local&#xa0;; en chauffage, plus chaud.</translation>
    </message>
    <message>
        <source>The supply&apos;s temperature difference to the room must be above zero.</source>
        <translation>L&apos;écart de température entre l&apos;air soufflé et le local doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The supply airflow must be greater than zero.</source>
        <translation>Le débit d&apos;air soufflé doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The room&apos;s SHR line at this supply dry bulb lies beyond saturation: no air there carries the room&apos;s loads. Choose a supply closer to the room.</source>
        <translation>La droite de soufflage (SHR) du local à cette température sèche de soufflage est au-delà de la saturation&#xa0;: aucun air n&apos;y couvre les charges du local. Choisissez un soufflage plus proche du local.</translation>
    </message>
    <message>
        <source>The supply air would have to hold less than no water to take up the room&apos;s latent load: choose a supply closer to the room or a larger airflow.</source>
        <translation>L&apos;air soufflé devrait contenir moins que pas d&apos;eau pour reprendre la charge latente du local&#xa0;: choisissez un soufflage plus proche du local ou un débit plus grand.</translation>
    </message>
    <message>
        <source>The supply air is not air.</source>
        <translation>L&apos;air soufflé n&apos;est pas de l&apos;air.</translation>
    </message>
    <message>
        <source>The outdoor airflow or share must be zero or more.</source>
        <translation>Le débit ou la part d&apos;air neuf doit être nul ou positif.</translation>
    </message>
    <message>
        <source>The outdoor air cannot exceed the supply air.</source>
        <translation>L&apos;air neuf ne peut pas dépasser l&apos;air soufflé.</translation>
    </message>
    <message>
        <source>The economizer&apos;s maximum outdoor share must lie from the minimum outdoor share to 1.</source>
        <translation>La part maximale d&apos;air neuf de l&apos;économiseur doit aller de la part minimale à 1.</translation>
    </message>
    <message>
        <source>The chain can hold only one mixing box.</source>
        <translation>La chaîne ne peut contenir qu&apos;un seul caisson de mélange.</translation>
    </message>
    <message>
        <source>The components before the mixing box treat the outdoor air, and there is none.</source>
        <translation>Les composants avant le caisson de mélange traitent l&apos;air neuf, et il n&apos;y en a pas.</translation>
    </message>
    <message>
        <source>Heat recovery works between the outdoor and the exhaust air: place it before the mixing box.</source>
        <translation>La récupération de chaleur travaille entre l&apos;air neuf et l&apos;air extrait&#xa0;: placez-la avant le caisson de mélange.</translation>
    </message>
    <message>
        <source>A component brought to the supply air must stand after the mixing box.</source>
        <translation>Un composant réglé sur l&apos;air soufflé doit se trouver après le caisson de mélange.</translation>
    </message>
    <message>
        <source>Only one heating coil and one cooling coil can bring the air to the supply&apos;s dry bulb.</source>
        <translation>Seules une batterie chaude et une batterie froide peuvent amener l&apos;air à la température sèche de soufflage.</translation>
    </message>
    <message>
        <source>Only one cooling coil and one humidifier can bring the air to the supply&apos;s humidity ratio.</source>
        <translation>Seuls une batterie froide et un humidificateur peuvent amener l&apos;air à la teneur en eau de soufflage.</translation>
    </message>
    <message>
        <source>An effectiveness must lie from 0 to 1.</source>
        <translation>Une efficacité doit être comprise entre 0 et 1.</translation>
    </message>
    <message>
        <source>The exhaust airflow must be greater than zero.</source>
        <translation>Le débit d&apos;air extrait doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The exhaust air cannot exceed the return air.</source>
        <translation>L&apos;air extrait ne peut pas dépasser l&apos;air repris.</translation>
    </message>
    <message>
        <source>Air would leave the heat recovery beyond saturation (condensation or frost): preheat the outdoor air or lower the effectiveness.</source>
        <translation>L&apos;air quitterait la récupération au-delà de la saturation (condensation ou givre)&#xa0;: préchauffez l&apos;air neuf ou réduisez l&apos;efficacité.</translation>
    </message>
    <message>
        <source>The mixed air is not air.</source>
        <translation>L&apos;air mélangé n&apos;est pas de l&apos;air.</translation>
    </message>
    <message>
        <source>A temperature must lie from -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>Une température doit être comprise entre -148 °F et 400 °F (-100 °C à 204,4 °C).</translation>
    </message>
    <message>
        <source>A temperature rise must be zero or more.</source>
        <translation>Une élévation de température doit être nulle ou positive.</translation>
    </message>
    <message>
        <source>A relative humidity must lie above 0 and at most 100 %.</source>
        <translation>Une humidité relative doit être supérieure à 0 et d&apos;au plus 100 %.</translation>
    </message>
    <message>
        <source>The fan&apos;s power must be zero or more and its motor efficiency above 0 and at most 1.</source>
        <translation>La puissance du ventilateur doit être nulle ou positive et le rendement de son moteur supérieur à 0 et d&apos;au plus 1.</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>Le facteur de bipasse doit être d&apos;au moins 0 et inférieur à 1.</translation>
    </message>
    <message>
        <source>The cooling coil cannot make this air.</source>
        <translation>La batterie froide ne peut pas produire cet air.</translation>
    </message>
    <message>
        <source>An adiabatic humidifier can at most saturate the air: ask for a dew point no higher than the entering wet bulb.</source>
        <translation>Un humidificateur adiabatique peut au plus saturer l&apos;air&#xa0;: demandez un point de rosée au plus égal à la température humide d&apos;entrée.</translation>
    </message>
    <message>
        <source>The air leaving the component is not air.</source>
        <translation>L&apos;air sortant du composant n&apos;est pas de l&apos;air.</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>L&apos;air ne peut pas être calculé.</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3 %4</source>
        <translation>Composant %1 (%2)&#xa0;: %3 %4</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3</source>
        <translation>Composant %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Component %1: %2 %3</source>
        <translation>Composant %1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <source>Component %1: %2</source>
        <translation>Composant %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>airhandler::Note</name>
    <message>
        <source>Off: the air is already this warm.</source>
        <translation>Arrêt&#xa0;: l&apos;air est déjà aussi chaud.</translation>
    </message>
    <message>
        <source>Off: the air is already this cool.</source>
        <translation>Arrêt&#xa0;: l&apos;air est déjà aussi frais.</translation>
    </message>
    <message>
        <source>Off: the air is already this dry.</source>
        <translation>Arrêt&#xa0;: l&apos;air est déjà aussi sec.</translation>
    </message>
    <message>
        <source>Off: the air is already this humid.</source>
        <translation>Arrêt&#xa0;: l&apos;air est déjà aussi humide.</translation>
    </message>
    <message>
        <source>Off: it adds no heat.</source>
        <translation>Arrêt&#xa0;: il n&apos;apporte pas de chaleur.</translation>
    </message>
    <message>
        <source>Off: it exchanges nothing.</source>
        <translation>Arrêt&#xa0;: il n&apos;échange rien.</translation>
    </message>
    <message>
        <source>Stopped: the economizer brings in outdoor air.</source>
        <translation>Arrêtée&#xa0;: l&apos;économiseur fait entrer de l&apos;air extérieur.</translation>
    </message>
    <message>
        <source>Dry coil: the air leaves at its entering humidity ratio.</source>
        <translation>Batterie sèche&#xa0;: l&apos;air sort avec sa teneur en eau d&apos;entrée.</translation>
    </message>
    <message>
        <source>Its change of the air is too small to rate.</source>
        <translation>Sa modification de l&apos;air est trop faible pour être évaluée.</translation>
    </message>
    <message>
        <source>Blow-through: ahead of the cooling coil.</source>
        <translation>Soufflage&#xa0;: en amont de la batterie froide.</translation>
    </message>
    <message>
        <source>Draw-through: after the cooling coil.</source>
        <translation>Aspiration&#xa0;: en aval de la batterie froide.</translation>
    </message>
</context>
<context>
    <name>airhandler::Tables</name>
    <message>
        <source>Outdoor air</source>
        <translation>Air extérieur</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Air soufflé</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refroidissement</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Chauffage</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>L&apos;air qui sort de la chaîne n&apos;atteint pas l&apos;air soufflé.</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>Composant</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Entering dry bulb (%1)</source>
        <translation>Température sèche d&apos;entrée (%1)</translation>
    </message>
    <message>
        <source>Entering humidity ratio (%1)</source>
        <translation>Teneur en eau d&apos;entrée (%1)</translation>
    </message>
    <message>
        <source>Leaving dry bulb (%1)</source>
        <translation>Température sèche de sortie (%1)</translation>
    </message>
    <message>
        <source>Leaving humidity ratio (%1)</source>
        <translation>Teneur en eau de sortie (%1)</translation>
    </message>
    <message>
        <source>Dry air (%1)</source>
        <translation>Air sec (%1)</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Sensible (%1)</source>
        <translation>Sensible (%1)</translation>
    </message>
    <message>
        <source>Latent (%1)</source>
        <translation>Latente (%1)</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <translation>Totale (%1)</translation>
    </message>
    <message>
        <source>Water (%1)</source>
        <translation>Eau (%1)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>Air repris</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>Air mélangé</translation>
    </message>
    <message>
        <source>Apparatus dew point %1 %2, bypass factor %3.</source>
        <translation>Point de rosée de l&apos;appareil %1 %2, facteur de by-pass %3.</translation>
    </message>
    <message>
        <source>%1, exhaust side</source>
        <translation>%1, côté rejet</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>Air rejeté</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>Air du local</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>Charges du local</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Régime</translation>
    </message>
    <message>
        <source>Room sensible load (%1)</source>
        <translation>Charge sensible du local (%1)</translation>
    </message>
    <message>
        <source>Room latent load (%1)</source>
        <translation>Charge latente du local (%1)</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Facteur de chaleur sensible du local</translation>
    </message>
    <message>
        <source>Room dry bulb (%1)</source>
        <translation>Température sèche du local (%1)</translation>
    </message>
    <message>
        <source>Room humidity ratio (%1)</source>
        <translation>Teneur en eau du local (%1)</translation>
    </message>
    <message>
        <source>Room enthalpy (%1)</source>
        <translation>Enthalpie du local (%1)</translation>
    </message>
    <message>
        <source>Supply dry bulb (%1)</source>
        <translation>Température sèche de soufflage (%1)</translation>
    </message>
    <message>
        <source>Supply humidity ratio (%1)</source>
        <translation>Teneur en eau de soufflage (%1)</translation>
    </message>
    <message>
        <source>Supply relative humidity (%)</source>
        <translation>Humidité relative de soufflage (%)</translation>
    </message>
    <message>
        <source>Supply enthalpy (%1)</source>
        <translation>Enthalpie de soufflage (%1)</translation>
    </message>
    <message>
        <source>Supply airflow (%1)</source>
        <translation>Débit d&apos;air soufflé (%1)</translation>
    </message>
    <message>
        <source>Supply dry air (%1)</source>
        <translation>Air sec soufflé (%1)</translation>
    </message>
    <message>
        <source>Outdoor dry bulb (%1)</source>
        <translation>Température sèche extérieure (%1)</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio (%1)</source>
        <translation>Teneur en eau extérieure (%1)</translation>
    </message>
    <message>
        <source>Outdoor enthalpy (%1)</source>
        <translation>Enthalpie extérieure (%1)</translation>
    </message>
    <message>
        <source>Outdoor air share (%)</source>
        <translation>Part d&apos;air extérieur (%)</translation>
    </message>
    <message>
        <source>Outdoor airflow (%1)</source>
        <translation>Débit d&apos;air extérieur (%1)</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>Économiseur</translation>
    </message>
    <message>
        <source>Mixed air dry bulb (%1)</source>
        <translation>Température sèche de l&apos;air mélangé (%1)</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio (%1)</source>
        <translation>Teneur en eau de l&apos;air mélangé (%1)</translation>
    </message>
    <message>
        <source>Mixed air enthalpy (%1)</source>
        <translation>Enthalpie de l&apos;air mélangé (%1)</translation>
    </message>
    <message>
        <source>Cooling (tons)</source>
        <translation>Refroidissement (tons)</translation>
    </message>
    <message>
        <source>Cooling (kW)</source>
        <translation>Refroidissement (kW)</translation>
    </message>
    <message>
        <source>Cooling, sensible (%1)</source>
        <translation>Refroidissement, sensible (%1)</translation>
    </message>
    <message>
        <source>Cooling, latent (%1)</source>
        <translation>Refroidissement, latent (%1)</translation>
    </message>
    <message>
        <source>Heating (kW)</source>
        <translation>Chauffage (kW)</translation>
    </message>
    <message>
        <source>Heating (Btu/h)</source>
        <translation>Chauffage (Btu/h)</translation>
    </message>
    <message>
        <source>Steam heat (%1)</source>
        <translation>Chaleur de la vapeur (%1)</translation>
    </message>
    <message>
        <source>Fan heat (%1)</source>
        <translation>Chaleur du ventilateur (%1)</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air (%1)</source>
        <translation>Chaleur récupérée dans l&apos;air extérieur (%1)</translation>
    </message>
    <message>
        <source>Humidifier water (lb/h)</source>
        <translation>Eau de l&apos;humidificateur (lb/h)</translation>
    </message>
    <message>
        <source>Humidifier water (kg/h)</source>
        <translation>Eau de l&apos;humidificateur (kg/h)</translation>
    </message>
    <message>
        <source>Condensate (%1)</source>
        <translation>Condensats (%1)</translation>
    </message>
    <message>
        <source>Room sensible load delivered (%)</source>
        <translation>Charge sensible du local fournie (%)</translation>
    </message>
    <message>
        <source>Room latent load delivered (%)</source>
        <translation>Charge latente du local fournie (%)</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>Charges du local couvertes à 1 % près</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance</name>
    <message>
        <source>A previous instance of Vaporwright is currently running.</source>
        <translation>Vaporwright est déjà en cours d&apos;exécution.</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance::SingleInstance</name>
    <message>
        <source>Vaporwright: %1 is not a file; running without the single-instance guard</source>
        <translation>Vaporwright&#xa0;: %1 n&apos;est pas un fichier&#xa0;; exécution sans protection contre un second lancement</translation>
    </message>
</context>
<context>
    <name>basMain</name>
    <message>
        <source>Vaporwright is already running: open %1 from its chart window (File &gt; Open Project).</source>
        <translation>Vaporwright est déjà en cours d&apos;exécution&#xa0;: ouvrez %1 depuis sa fenêtre du diagramme (Fichier &gt; Ouvrir un projet).</translation>
    </message>
</context>
<context>
    <name>batch::Header</name>
    <message>
        <source>The header has more than %1 columns</source>
        <translation>L&apos;en-tête a plus de %1 colonnes</translation>
    </message>
    <message>
        <source>Column %1: the dew point cannot be an input; give two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy</source>
        <translation>Colonne %1&#xa0;: le point de rosée ne peut pas être une entrée&#xa0;; donnez deux grandeurs parmi température sèche, température humide, humidité relative, teneur en eau et enthalpie</translation>
    </message>
    <message>
        <source>Columns %1 and %2: give one pressure or altitude column</source>
        <translation>Colonnes %1 et %2&#xa0;: donnez une seule colonne de pression ou d&apos;altitude</translation>
    </message>
    <message>
        <source>Columns %1 and %2 give the same quantity</source>
        <translation>Les colonnes %1 et %2 donnent la même grandeur</translation>
    </message>
    <message>
        <source>The header names 0 input columns; it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>L&apos;en-tête ne nomme aucune colonne d&apos;entrée&#xa0;; il en faut deux parmi dry_bulb, wet_bulb, relative_humidity, humidity_ratio et enthalpy, chacune avec son unité, par exemple &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names 1 input column (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>L&apos;en-tête nomme 1 colonne d&apos;entrée (%1)&#xa0;; il en faut deux parmi dry_bulb, wet_bulb, relative_humidity, humidity_ratio et enthalpy, chacune avec son unité, par exemple &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names %2 input columns (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>L&apos;en-tête nomme %2 colonnes d&apos;entrée (%1)&#xa0;; il en faut deux parmi dry_bulb, wet_bulb, relative_humidity, humidity_ratio et enthalpy, chacune avec son unité, par exemple &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
</context>
<context>
    <name>batch::Help</name>
    <message>
        <source>Usage: vaporwright-batch [OPTIONS] [FILE]
       vaporwright-batch [OPTIONS] --epw WEATHER.epw
       vaporwright-batch --project FILE.vwproj [--units IP|SI] [--table NAME] [-o OUT]</source>
        <translation>Usage&#xa0;: vaporwright-batch [OPTIONS] [FICHIER]
        vaporwright-batch [OPTIONS] --epw METEO.epw
        vaporwright-batch --project FICHIER.vwproj [--units IP|SI] [--table NOM] [-o SORTIE]</translation>
    </message>
    <message>
        <source>Computes the state of moist air for every row of a CSV file (FILE, or standard
input when FILE is missing or &quot;-&quot;) and writes every property the Vaporwright
calculator shows as CSV to standard output.</source>
        <translation>Calcule l&apos;état de l&apos;air humide pour chaque ligne d&apos;un fichier CSV (FICHIER, ou
l&apos;entrée standard si FICHIER manque ou vaut &quot;-&quot;) et écrit en CSV sur la sortie
standard chaque grandeur que montre le calculateur Vaporwright.</translation>
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
        <translation>Entrée&#xa0;: la ligne d&apos;en-tête nomme deux colonnes d&apos;entrée, chacune une grandeur
et son unité&#xa0;:
  dry_bulb_F  dry_bulb_C  dry_bulb_K      (de même wet_bulb_...)
  relative_humidity_pct
  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg
  humidity_ratio_gr/lb
  enthalpy_Btu/lb (zéro à 0 F)  enthalpy_kJ/kg (zéro à 0 C)
Deux grandeurs quelconques parmi température sèche, température humide,
humidité relative, teneur en eau et enthalpie forment une paire. Une colonne
facultative pressure_psia, pressure_kPa, pressure_Pa, pressure_mbar,
pressure_inHg, altitude_ft ou altitude_m donne à chaque ligne son atmosphère.
Les noms sont reconnus sans égard à la casse&#xa0;; les formes d&apos;autres programmes
sont lues aussi&#xa0;: &quot;Pressure (kPa)&quot;, &quot;pressure-kPa&quot;, &quot;pressure [kPa]&quot;,
&quot;Station pressure (hPa)&quot;, &quot;Dry bulb (F)&quot;, &quot;Relative humidity (%)&quot;. Une colonne
qui nomme une grandeur sans unité (&quot;pressure&quot;, &quot;altitude&quot;) est refusée. Toute
autre colonne (un horodatage, par exemple) est recopiée dans la sortie, avant
les grandeurs, telle qu&apos;un lecteur CSV la lit et entre guillemets là où le CSV
l&apos;exige. Les lignes peuvent finir par LF, CRLF ou CR&#xa0;; une ligne de plus de
16 Mio n&apos;est pas lue (un en-tête aussi long termine le traitement).</translation>
    </message>
    <message>
        <source>Output: the copied columns, then dry bulb, wet bulb, dew point, relative
humidity, humidity ratio, enthalpy, vapor pressure, degree of saturation,
specific volume, density, absolute humidity, moisture concentration, pressure
and altitude, each header naming its unit, then &quot;reason&quot;. A row that gives no
real air, or that cannot be read (an empty or non-numeric input, a wrong number
of fields), has empty properties and says why in &quot;reason&quot;; the run goes on.
Every line after the header gives one output row.</source>
        <translation>Sortie&#xa0;: les colonnes recopiées, puis température sèche, température humide,
point de rosée, humidité relative, teneur en eau, enthalpie, pression de
vapeur, degré de saturation, volume spécifique, masse volumique, humidité
volumique, concentration d&apos;humidité, pression et altitude, chaque en-tête
nommant son unité, puis &quot;reason&quot;. Une ligne qui ne donne pas d&apos;air réel, ou qui
ne peut être lue (une entrée vide ou non numérique, un mauvais nombre de
champs), a des grandeurs vides et dit pourquoi dans &quot;reason&quot;&#xa0;; le traitement
continue. Chaque ligne après l&apos;en-tête donne une ligne de sortie.</translation>
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
        <translation>Options&#xa0;:
  --units IP|SI       unités de la sortie et des valeurs sans unité de
                      --pressure/--altitude (par défaut IP&#xa0;: F, lb/lb, Btu/lb,
                      psia, ft&#xa0;; SI&#xa0;: C, kg/kg, kJ/kg, mbar, m)
  --pressure VALEUR   pression atmosphérique de chaque ligne&#xa0;: un nombre avec
                      psia, kPa, Pa, mbar ou inHg, ou un nombre seul en psia
                      (IP) ou kPa (SI)&#xa0;; par défaut 14.696 psia
  --altitude VALEUR   altitude de chaque ligne, sa pression tirée de
                      l&apos;atmosphère normalisée&#xa0;: un nombre avec ft ou m, ou seul
                      en ft (IP) ou m (SI)
  --formats           arrondir comme le calculateur affiche (####0.00 pour la
                      température sèche, ...) au lieu de la pleine précision&#xa0;:
                      le texte le plus court qui se relit comme la valeur
                      calculée en simple précision
  --epw FICHIER       lire plutôt un fichier météo EnergyPlus (&quot;-&quot; pour
                      l&apos;entrée standard)&#xa0;: température sèche et point de rosée
                      de chaque heure à sa pression de station&#xa0;; la sortie
                      commence par year,month,day,hour du fichier (heure 1 à
                      24, heure de fin)
  --project FICHIER   lire plutôt un fichier de projet Vaporwright (jamais
                      écrit)&#xa0;: le calculer, centrale de traitement d&apos;air
                      comprise, et écrire ses tables en CSV (ci-dessous)
  --table NOM         avec --project, cette table seule&#xa0;: points, processes,
                      mixtures, airhandler-components ou airhandler-rollup
  -o, --output FICHIER
                      écrire dans FICHIER au lieu de la sortie standard (avec
                      --project&#xa0;: un dossier DIR pour toutes les tables, un
                      FICHIER pour la seule table que nomme --table, ou - pour
                      la sortie standard)
  -h, --help          afficher cette aide et quitter
  --version           afficher la version et quitter</translation>
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
        <translation>Tables du projet (--project)&#xa0;: points, processes et mixtures, et pour un projet
avec centrale de traitement d&apos;air airhandler-components (les deux cas, chaque
ligne précédée de son cas) et airhandler-rollup, dans le système d&apos;unités du
projet sauf si --units en décide autrement&#xa0;; chacune une table RFC 4180 avec
des fins de ligne CR LF et les unités dans son en-tête. Vers la sortie standard
(sans -o, -o - ou -), chaque table est précédée d&apos;une ligne portant son nom et
suivie, sauf la dernière, d&apos;une ligne vide&#xa0;; avec --table, la table seule, en
simple fichier CSV&#xa0;; -o FICHIER prend une table, celle de --table. Avec -o DIR
(un dossier existant, ou un nom finissant par &quot;/&quot;, créé s&apos;il manque) chaque
table va dans son propre fichier, DIR/NOM.csv, écrit en entier ou pas du tout.
Un projet endommagé ou illisible est refusé avec le message de la fenêtre, et
rien n&apos;est écrit.</translation>
    </message>
    <message>
        <source>Exit status: 0 all rows written (rows without real air included), 1 a command
line that cannot be followed (an output that is the input file, named, on
standard input or a project&apos;s standard output, included; one file for all of
a project&apos;s tables), 2 an input that cannot be opened or read (a missing
file, a folder, an unusable header, a damaged project, a table the project
does not have), 3 an output that cannot be written.</source>
        <translation>Code de sortie&#xa0;: 0 toutes les lignes écrites (lignes sans air réel comprises),
1 une ligne de commande impossible à suivre (une sortie qui est le fichier
d&apos;entrée, nommé, sur l&apos;entrée standard ou sur la sortie standard d&apos;un projet,
comprise&#xa0;; un seul fichier pour toutes les tables d&apos;un projet), 2 une entrée
impossible à ouvrir ou à lire (un fichier absent, un dossier, un en-tête
inutilisable, un projet endommagé, une table que le projet n&apos;a pas), 3 une
sortie impossible à écrire.</translation>
    </message>
    <message>
        <source>Examples:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project office.vwproj -o tables/
  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI</source>
        <translation>Exemples&#xa0;:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project bureau.vwproj -o tables/
  vaporwright-batch --project bureau.vwproj --table airhandler-rollup --units SI</translation>
    </message>
</context>
<context>
    <name>batch::Options</name>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with ft or m, such as 1500ft</source>
        <translation>%1&#xa0;: impossible de lire «&#xa0;%2&#xa0;»&#xa0;; donnez un nombre avec ft ou m, par exemple 1500ft</translation>
    </message>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with psia, kPa, Pa, mbar or inHg, such as 101.325kPa</source>
        <translation>%1&#xa0;: impossible de lire «&#xa0;%2&#xa0;»&#xa0;; donnez un nombre avec psia, kPa, Pa, mbar ou inHg, par exemple 101.325kPa</translation>
    </message>
    <message>
        <source>--units: give IP or SI</source>
        <translation>--units&#xa0;: donnez IP ou SI</translation>
    </message>
    <message>
        <source>%1: give a value</source>
        <translation>%1&#xa0;: donnez une valeur</translation>
    </message>
    <message>
        <source>Give --pressure or --altitude, not both</source>
        <translation>Donnez --pressure ou --altitude, pas les deux</translation>
    </message>
    <message>
        <source>--epw: give a weather file</source>
        <translation>--epw&#xa0;: donnez un fichier météo</translation>
    </message>
    <message>
        <source>--project: give a project file</source>
        <translation>--project&#xa0;: donnez un fichier de projet</translation>
    </message>
    <message>
        <source>--table: give one of %1</source>
        <translation>--table&#xa0;: donnez l&apos;une des tables %1</translation>
    </message>
    <message>
        <source>%1: give a file</source>
        <translation>%1&#xa0;: donnez un fichier</translation>
    </message>
    <message>
        <source>Give one input file</source>
        <translation>Donnez un seul fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;; see --help</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;»&#xa0;; voir --help</translation>
    </message>
    <message>
        <source>Give a CSV file or --epw, not both</source>
        <translation>Donnez un fichier CSV ou --epw, pas les deux</translation>
    </message>
    <message>
        <source>Give a CSV file, --epw or --project, one of them</source>
        <translation>Donnez un seul des trois&#xa0;: un fichier CSV, --epw ou --project</translation>
    </message>
    <message>
        <source>Give -o or -, not both</source>
        <translation>Donnez -o ou -, pas les deux</translation>
    </message>
    <message>
        <source>A project gives its points their atmospheric pressure: %1 does not apply with --project</source>
        <translation>Un projet donne lui-même la pression atmosphérique de ses points&#xa0;: %1 ne s&apos;applique pas avec --project</translation>
    </message>
    <message>
        <source>--formats does not apply with --project: its tables have their own</source>
        <translation>--formats ne s&apos;applique pas avec --project&#xa0;: ses tables ont leurs propres formats</translation>
    </message>
    <message>
        <source>--table applies with --project</source>
        <translation>--table s&apos;applique avec --project</translation>
    </message>
    <message>
        <source>A weather file gives each hour its station pressure: %1 does not apply with --epw</source>
        <translation>Un fichier météo donne à chaque heure sa pression à la station&#xa0;: %1 ne s&apos;applique pas avec --epw</translation>
    </message>
</context>
<context>
    <name>batch::ProjectRun</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has no air handler: it has no table %2</source>
        <translation>%1 n&apos;a pas de centrale de traitement d&apos;air&#xa0;: il n&apos;a pas de table %2</translation>
    </message>
    <message>
        <source>The output is the input file (standard output)</source>
        <translation>La sortie est le fichier d&apos;entrée (sortie standard)</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>Impossible d&apos;écrire la sortie</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>La sortie %1 est le fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>The project has %1 tables: give --table NAME to write one to %2, or a folder (a name ending in &quot;/&quot;) for all</source>
        <translation>Le projet a %1 tables&#xa0;: donnez --table NOM pour en écrire une dans %2, ou un dossier (un nom finissant par «&#xa0;/&#xa0;») pour toutes</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>batch::Run</name>
    <message>
        <source>Could not read the input: %1</source>
        <translation>Impossible de lire l&apos;entrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The input is empty: it needs a header line such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>L&apos;entrée est vide&#xa0;: il lui faut une ligne d&apos;en-tête telle que &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>Unusable header: the header line is longer than 16 MiB</source>
        <translation>En-tête inutilisable&#xa0;: la ligne d&apos;en-tête dépasse 16 Mio</translation>
    </message>
    <message>
        <source>Unusable header: %1</source>
        <translation>En-tête inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>The input has a column %1; --pressure and --altitude apply to files without one</source>
        <translation>L&apos;entrée a une colonne %1&#xa0;; --pressure et --altitude s&apos;appliquent aux fichiers qui n&apos;en ont pas</translation>
    </message>
    <message>
        <source>Cannot open the weather file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier météo «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>batch::main</name>
    <message>
        <source>Try &apos;vaporwright-batch --help&apos;.</source>
        <translation>Essayez «&#xa0;vaporwright-batch --help&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot open the weather file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier météo %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>La sortie %1 est le fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>The output %1 is the input file (standard input)</source>
        <translation>La sortie %1 est le fichier d&apos;entrée (entrée standard)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>Impossible d&apos;écrire la sortie</translation>
    </message>
    <message>
        <source>Could not write the output %1</source>
        <translation>Impossible d&apos;écrire la sortie %1</translation>
    </message>
    <message>
        <source>unexpected failure</source>
        <translation>échec inattendu</translation>
    </message>
</context>
<context>
    <name>chart::AddProcessDialog</name>
    <message>
        <source>Add Process</source>
        <translation>Ajouter une évolution</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De&#xa0;:</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>Point d&apos;entrée</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;À&#xa0;:</translation>
    </message>
    <message>
        <source>Leaving point</source>
        <translation>Point de sortie</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerInteraction</name>
    <message>
        <source>The point was not moved: %1</source>
        <translation>Le point n&apos;a pas été déplacé : %1</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerLayer</name>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Soufflage</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>FCS %1</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Air handler, %1: no solution. %2</source>
        <translation>Centrale de traitement d&apos;air, %1 : pas de solution. %2</translation>
    </message>
    <message>
        <source>Air handler, %1: room %2, outdoor %3, mixed %4, supply %5</source>
        <translation>Centrale de traitement d&apos;air, %1 : local %2, extérieur %3, mélange %4, soufflage %5</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 à %3</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerPanel</name>
    <message>
        <source>sensible %1, latent %2</source>
        <translation>sensible %1, latente %2</translation>
    </message>
    <message>
        <source>no economizer</source>
        <translation>sans économiseur</translation>
    </message>
    <message>
        <source>dry-bulb economizer</source>
        <translation>économiseur sur température sèche</translation>
    </message>
    <message>
        <source>enthalpy economizer</source>
        <translation>économiseur sur enthalpie</translation>
    </message>
    <message>
        <source>to the supply air</source>
        <translation>vers l&apos;air soufflé</translation>
    </message>
    <message>
        <source>by a rise</source>
        <translation>par un échauffement</translation>
    </message>
    <message>
        <source>to a leaving dry bulb</source>
        <translation>vers une température sèche de sortie</translation>
    </message>
    <message>
        <source>to the supply&apos;s humidity</source>
        <translation>vers l&apos;humidité de l&apos;air soufflé</translation>
    </message>
    <message>
        <source>by ADP and bypass factor</source>
        <translation>par point de rosée de la batterie et facteur de by-pass</translation>
    </message>
    <message>
        <source>to a leaving dry bulb and RH</source>
        <translation>vers une température sèche et une HR de sortie</translation>
    </message>
    <message>
        <source>by its power</source>
        <translation>par sa puissance</translation>
    </message>
    <message>
        <source>steam</source>
        <translation>vapeur</translation>
    </message>
    <message>
        <source>adiabatic</source>
        <translation>adiabatique</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>&amp;Cas :</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refroidissement</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Chauffage</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>Fonct&amp;ion :</translation>
    </message>
    <message>
        <source>The project has no air handler yet. Start from an example design: a room of 100,000 Btu/h sensible and 25,000 Btu/h latent gains in summer, with its winter case.</source>
        <translation>Le projet n&apos;a pas encore de centrale de traitement d&apos;air. Partez d&apos;un exemple : un local de 100 000 Btu/h d&apos;apports sensibles et 25 000 Btu/h d&apos;apports latents en été, avec son cas d&apos;hiver.</translation>
    </message>
    <message>
        <source>Design an &amp;Air Handler</source>
        <translation>Concevoir une centr&amp;ale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Air handler settings</source>
        <translation>Réglages de la centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Air handler status</source>
        <translation>État de la centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Air handler message</source>
        <translation>Message de la centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Remove the Air Handler</source>
        <translation>Supprimer la centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Température sèche</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>Température humide</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Humidité relative</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Teneur en eau</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>Air extérieur</translation>
    </message>
    <message>
        <source>first</source>
        <translation>première</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>%1, %2 property</source>
        <translation>%1, %2 grandeur</translation>
    </message>
    <message>
        <source>%1, %2 value</source>
        <translation>%1, %2 valeur</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>&amp;Local :</translation>
    </message>
    <message>
        <source>Room, &amp;2nd:</source>
        <translation>Local, &amp;2e :</translation>
    </message>
    <message>
        <source>&amp;Sensible load:</source>
        <translation>Charge &amp;sensible :</translation>
    </message>
    <message>
        <source>&amp;Latent load:</source>
        <translation>Charge &amp;latente :</translation>
    </message>
    <message>
        <source>Load unit:</source>
        <translation>Unité de charge :</translation>
    </message>
    <message>
        <source>Difference to room</source>
        <translation>Écart au local</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Su&amp;pply by:</source>
        <translation>&amp;Soufflage par :</translation>
    </message>
    <message>
        <source>Airflow unit:</source>
        <translation>Unité de débit :</translation>
    </message>
    <message>
        <source>Ou&amp;tdoor:</source>
        <translation>Ex&amp;térieur :</translation>
    </message>
    <message>
        <source>Outdoor, 2n&amp;d:</source>
        <translation>Extérieur, 2e (&amp;d) :</translation>
    </message>
    <message>
        <source>From the Weather File&apos;s Desi&amp;gn Conditions</source>
        <translation>Depuis les conditions de calcul du fichier météo (&amp;g)</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point (&amp;b)</source>
        <translation>Été au point de rosée de déshumidification (&amp;b)</translation>
    </message>
    <message>
        <source>Summer outdoor air at the 0.4 % dehumidification dew point with its mean coincident dry bulb, instead of the 0.4 % cooling dry bulb with its mean coincident wet bulb.</source>
        <translation>Air extérieur d&apos;été au point de rosée de déshumidification à 0,4 % avec sa température sèche moyenne coïncidente, au lieu de la température sèche de refroidissement à 0,4 % avec sa température humide moyenne coïncidente.</translation>
    </message>
    <message>
        <source>Share of supply</source>
        <translation>Part du soufflage</translation>
    </message>
    <message>
        <source>Outdoor air b&amp;y:</source>
        <translation>Air extérieur &amp;par :</translation>
    </message>
    <message>
        <source>Components, in the order the air meets them</source>
        <translation>Composants, dans l&apos;ordre où l&apos;air les traverse</translation>
    </message>
    <message>
        <source>Insert adds, Delete removes, Enter edits, Ctrl+Up and Ctrl+Down move the component.</source>
        <translation>Inser ajoute, Suppr supprime, Entrée modifie, Ctrl+Haut et Ctrl+Bas déplacent le composant.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Wheel</source>
        <translation>Roue de &amp;récupération</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Plate</source>
        <translation>Échangeur à &amp;plaques</translation>
    </message>
    <message>
        <source>&amp;Mixing Box</source>
        <translation>Caisson de &amp;mélange</translation>
    </message>
    <message>
        <source>P&amp;reheat Coil</source>
        <translation>Batterie de &amp;préchauffage</translation>
    </message>
    <message>
        <source>&amp;Cooling Coil</source>
        <translation>Batterie &amp;froide</translation>
    </message>
    <message>
        <source>R&amp;eheat Coil</source>
        <translation>Batterie de &amp;réchauffage</translation>
    </message>
    <message>
        <source>Supply &amp;Fan</source>
        <translation>Ventilateur de &amp;soufflage</translation>
    </message>
    <message>
        <source>&amp;Steam Humidifier</source>
        <translation>Humidificateur à &amp;vapeur</translation>
    </message>
    <message>
        <source>&amp;Adiabatic Humidifier</source>
        <translation>Humidificateur &amp;adiabatique</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Air handler tables</source>
        <translation>Tableaux de la centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Rollup of both cases</source>
        <translation>Récapitulatif des deux cas</translation>
    </message>
    <message>
        <source>Components of the case shown</source>
        <translation>Composants du cas affiché</translation>
    </message>
    <message>
        <source>Rollup, Summer and Winter</source>
        <translation>Récapitulatif, été et hiver</translation>
    </message>
    <message>
        <source>Components of the Case</source>
        <translation>Composants du cas</translation>
    </message>
    <message>
        <source>E&amp;xport Components...</source>
        <translation>E&amp;xporter les composants...</translation>
    </message>
    <message>
        <source>Export Rollup...</source>
        <translation>Exporter le récapitulatif...</translation>
    </message>
    <message>
        <source>Air handler</source>
        <translation>Centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Cas</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>Charge sensible du local</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>Charge latente du local</translation>
    </message>
    <message>
        <source>Load unit</source>
        <translation>Unité de charge</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Facteur de chaleur sensible du local</translation>
    </message>
    <message>
        <source>Supply by</source>
        <translation>Soufflage par</translation>
    </message>
    <message>
        <source>Supply value</source>
        <translation>Valeur du soufflage</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Air soufflé</translation>
    </message>
    <message>
        <source>Airflow unit</source>
        <translation>Unité de débit</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point</source>
        <translation>Été au point de rosée de déshumidification</translation>
    </message>
    <message>
        <source>Outdoor air by</source>
        <translation>Air extérieur par</translation>
    </message>
    <message>
        <source>Outdoor air value</source>
        <translation>Valeur de l&apos;air extérieur</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Composants</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>Ajouter un composant</translation>
    </message>
    <message>
        <source>Edit component</source>
        <translation>Modifier le composant</translation>
    </message>
    <message>
        <source>Remove component</source>
        <translation>Supprimer le composant</translation>
    </message>
    <message>
        <source>Move component up</source>
        <translation>Monter le composant</translation>
    </message>
    <message>
        <source>Move component down</source>
        <translation>Descendre le composant</translation>
    </message>
    <message>
        <source>Export components as CSV</source>
        <translation>Exporter les composants en CSV</translation>
    </message>
    <message>
        <source>Export rollup as CSV</source>
        <translation>Exporter le récapitulatif en CSV</translation>
    </message>
    <message>
        <source>Design an air handler</source>
        <translation>Concevoir une centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>Remove the air handler</source>
        <translation>Supprimer la centrale de traitement d&apos;air</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>FCS %1</translation>
    </message>
    <message>
        <source>SHR –</source>
        <translation>FCS –</translation>
    </message>
    <message>
        <source>Supply air %1 %2, %3 %4; %5 %6; %7 %8 of dry air</source>
        <translation>Air soufflé %1 %2, %3 %4 ; %5 %6 ; %7 %8 d&apos;air sec</translation>
    </message>
    <message>
        <source>No supply air: the case has no solution.</source>
        <translation>Pas d&apos;air soufflé : le cas n&apos;a pas de solution.</translation>
    </message>
    <message>
        <source>Design conditions of %1</source>
        <translation>Conditions de calcul de %1</translation>
    </message>
    <message>
        <source>Open a weather file first.</source>
        <translation>Ouvrez d&apos;abord un fichier météo.</translation>
    </message>
    <message>
        <source>No solution: %1</source>
        <translation>Pas de solution : %1</translation>
    </message>
    <message>
        <source>The chain reaches the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2.</source>
        <translation>La chaîne atteint l&apos;air soufflé : elle couvre la charge sensible du local à %1 et sa charge latente à %2.</translation>
    </message>
    <message>
        <source>The air leaving the chain misses the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2, not within 1 %. Order or size the components until it does.</source>
        <translation>L&apos;air sortant de la chaîne manque l&apos;air soufflé : il couvre la charge sensible du local à %1 et sa charge latente à %2, pas à 1 % près. Ordonnez ou dimensionnez les composants jusqu&apos;à y parvenir.</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>Non modifié : %1</translation>
    </message>
    <message>
        <source>Not changed: “%1” is not a number.</source>
        <translation>Non modifié : « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Open a weather file first: its design conditions give the outdoor air.</source>
        <translation>Ouvrez d&apos;abord un fichier météo : ses conditions de calcul donnent l&apos;air extérieur.</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % dehumidification design.</source>
        <translation>Le fichier météo ne donne pas de condition de déshumidification à 0,4 %.</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % cooling design.</source>
        <translation>Le fichier météo ne donne pas de condition de refroidissement à 0,4 %.</translation>
    </message>
    <message>
        <source>The weather file gives no 99.6 % heating design.</source>
        <translation>Le fichier météo ne donne pas de condition de chauffage à 99,6 %.</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>Exporter les composants de la centrale</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>Exporter le récapitulatif de la centrale</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Non exporté : %1</translation>
    </message>
    <message>
        <source>tons</source>
        <translation>tonnes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>chart::ChartPainter</name>
    <message>
        <source>Dry bulb temperature, %1</source>
        <translation>Température sèche, %1</translation>
    </message>
    <message>
        <source>Humidity ratio, %1</source>
        <translation>Teneur en eau, %1</translation>
    </message>
    <message>
        <source>%1    Atmospheric pressure %2 %3</source>
        <translation>%1    Pression atmosphérique %2 %3</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>Humidité relative, %</translation>
    </message>
    <message>
        <source>Wet bulb, %1</source>
        <translation>Température humide, %1</translation>
    </message>
    <message>
        <source>Enthalpy, %1</source>
        <translation>Enthalpie, %1</translation>
    </message>
    <message>
        <source>Specific volume, %1</source>
        <translation>Volume spécifique, %1</translation>
    </message>
    <message>
        <source>State  %1 %2</source>
        <translation>État  %1 %2</translation>
    </message>
    <message>
        <source>No chart: the atmospheric pressure is not valid.</source>
        <translation>Pas de diagramme&#xa0;: la pression atmosphérique n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>chart::ChartStyle</name>
    <message>
        <source>Mollier h-x Diagram</source>
        <translation>Diagramme de Mollier h-x</translation>
    </message>
    <message>
        <source>Psychrometric Chart</source>
        <translation>Diagramme psychrométrique</translation>
    </message>
</context>
<context>
    <name>chart::ChartWindow</name>
    <message>
        <source>A&amp;ir Handler</source>
        <translation>Centrale d&apos;a&amp;ir</translation>
    </message>
    <message>
        <source>Export Air Handler Co&amp;mponents (CSV)...</source>
        <translation>Exporter les &amp;composants de la centrale (CSV)...</translation>
    </message>
    <message>
        <source>Export Air Handler Ro&amp;llup (CSV)...</source>
        <translation>Exporter &amp;le récapitulatif de la centrale (CSV)...</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>Exporter les composants de la centrale</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>Exporter le récapitulatif de la centrale</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>Le projet n&apos;a pas de centrale de traitement d&apos;air.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Air handler, summer case: the chain</source>
        <translation>Centrale de traitement d&apos;air, cas d&apos;été : la chaîne</translation>
    </message>
    <message>
        <source>Air handler, winter case: the chain</source>
        <translation>Centrale de traitement d&apos;air, cas d&apos;hiver : la chaîne</translation>
    </message>
    <message>
        <source>Air handler: rollup of both cases</source>
        <translation>Centrale de traitement d&apos;air : récapitulatif des deux cas</translation>
    </message>
    <message>
        <source>&amp;Weather</source>
        <translation>&amp;Météo</translation>
    </message>
    <message>
        <source>The psychrometric chart of the calculator&apos;s state. Escape hides it; F2 in the calculator shows it again.</source>
        <translation>Le diagramme psychrométrique de l&apos;état de la calculatrice. Échap le masque ; F2 dans la calculatrice l&apos;affiche à nouveau.</translation>
    </message>
    <message>
        <source>Chart of moist air at the calculator&apos;s atmospheric pressure, with the computed state marked. Hovering the mouse over it shows the properties of the point under the pointer; a double click enters that point into the calculator as dry bulb temperature and humidity ratio; with Shift it adds a state point there. State points can be dragged. The wheel zooms.</source>
        <translation>Diagramme de l&apos;air humide à la pression atmosphérique de la calculatrice, l&apos;état calculé marqué. Survoler le diagramme avec la souris affiche les propriétés du point sous le pointeur ; un double clic entre ce point dans la calculatrice en température sèche et teneur en eau ; avec Maj, il y ajoute un point d&apos;état. Les points d&apos;état se déplacent à la souris. La molette zoome.</translation>
    </message>
    <message>
        <source>%1 resets the zoom.</source>
        <translation>%1 réinitialise le zoom.</translation>
    </message>
    <message>
        <source>%1 copies the chart.</source>
        <translation>%1 copie le diagramme.</translation>
    </message>
    <message>
        <source>%1 saves it to a file.</source>
        <translation>%1 l&apos;enregistre dans un fichier.</translation>
    </message>
    <message>
        <source>Psychrometric chart</source>
        <translation>Diagramme psychrométrique</translation>
    </message>
    <message>
        <source>Chart menu</source>
        <translation>Menu du diagramme</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Panneau latéral</translation>
    </message>
    <message>
        <source>The points, processes, zones and weather shown on the chart, a tab each. F9 hides and shows the panel.</source>
        <translation>Les points, évolutions, zones et la météo du diagramme, un onglet chacun. F9 masque et affiche le panneau.</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>Fichier météo</translation>
    </message>
    <message>
        <source>The hours of a weather file on the chart: display, month and hour filter, zones, limits, hour counts and design conditions.</source>
        <translation>Les heures d&apos;un fichier météo sur le diagramme : affichage, filtre des mois et des heures, zones, limites, comptes d&apos;heures et conditions de calcul.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Weather File...</source>
        <translation>Ouvrir un fichier &amp;météo...</translation>
    </message>
    <message>
        <source>Export Weather S&amp;tatistics...</source>
        <translation>Exporter les s&amp;tatistiques météo...</translation>
    </message>
    <message>
        <source>Close Weather &amp;File</source>
        <translation>&amp;Fermer le fichier météo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Side &amp;Panel</source>
        <translation>&amp;Panneau latéral</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>%1 ne peut pas être affiché : %2</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Weather File</source>
        <translation>Ouvrir un fichier météo</translation>
    </message>
    <message>
        <source>Reading the weather file</source>
        <translation>Lecture du fichier météo</translation>
    </message>
    <message>
        <source>the calculator&apos;s pressure</source>
        <translation>la pression de la calculatrice</translation>
    </message>
    <message>
        <source>standard sea-level pressure</source>
        <translation>la pression normale au niveau de la mer</translation>
    </message>
    <message>
        <source>reading was cancelled.</source>
        <translation>la lecture a été annulée.</translation>
    </message>
    <message>
        <source>it holds no hour of valid weather.</source>
        <translation>il ne contient aucune heure de météo valide.</translation>
    </message>
    <message>
        <source>Weather files (*.epw *.csv);;All files (*)</source>
        <translation>Fichiers météo (*.epw *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Weather Statistics</source>
        <translation>Exporter les statistiques météo</translation>
    </message>
    <message>
        <source>Weather statistics.csv</source>
        <translation>Statistiques météo.csv</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1.</source>
        <translation>Les statistiques n&apos;ont pas pu être écrites dans %1.</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Psychrometric report.pdf</source>
        <translation>Rapport psychrométrique.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Air handler components.csv</source>
        <translation>Composants de la centrale.csv</translation>
    </message>
    <message>
        <source>Air handler rollup.csv</source>
        <translation>Récapitulatif de la centrale.csv</translation>
    </message>
    <message>
        <source>Vaporwright projects (*.%1);;All files (*)</source>
        <translation>Projets Vaporwright (*.%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Poi&amp;nts</source>
        <translation>Poi&amp;nts</translation>
    </message>
    <message>
        <source>Pr&amp;ocesses</source>
        <translation>Év&amp;olutions</translation>
    </message>
    <message>
        <source>&amp;Zones</source>
        <translation>&amp;Zones</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Ouvrir un projet...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>Enregistrer le projet &amp;sous...</translation>
    </message>
    <message>
        <source>Export &amp;Points (CSV)...</source>
        <translation>Exporter les &amp;points (CSV)...</translation>
    </message>
    <message>
        <source>Export Proc&amp;esses (CSV)...</source>
        <translation>Exporter les é&amp;volutions (CSV)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Export Report (P&amp;DF)...</source>
        <translation>Exporter le rapport (P&amp;DF)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Psychrometric Chart[*]</source>
        <translation>Diagramme psychrométrique[*]</translation>
    </message>
    <message>
        <source>Psychrometric Chart - %1[*]</source>
        <translation>Diagramme psychrométrique - %1[*]</translation>
    </message>
    <message>
        <source>Unsaved Project</source>
        <translation>Projet non enregistré</translation>
    </message>
    <message>
        <source>The project has changes that are not saved. Save them first?</source>
        <translation>Le projet a des modifications non enregistrées. Les enregistrer d&apos;abord ?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2
The project shown is kept.</source>
        <translation>%1 ne peut pas être ouvert : %2
Le projet affiché est conservé.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Project.vwproj</source>
        <translation>Projet.vwproj</translation>
    </message>
    <message>
        <source>Export Points</source>
        <translation>Exporter les points</translation>
    </message>
    <message>
        <source>State points.csv</source>
        <translation>Points d&apos;état.csv</translation>
    </message>
    <message>
        <source>Export Processes</source>
        <translation>Exporter les évolutions</translation>
    </message>
    <message>
        <source>Processes.csv</source>
        <translation>Évolutions.csv</translation>
    </message>
    <message>
        <source>Mollier h-x diagram</source>
        <translation>Diagramme de Mollier h-x</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 kPa, SI units</source>
        <translation>Pression atmosphérique %1 kPa, unités SI</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 psia, IP units</source>
        <translation>Pression atmosphérique %1 psia, unités IP</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Projet %1</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>Comptes d&apos;heures</translation>
    </message>
    <message>
        <source>Design conditions (all hours)</source>
        <translation>Conditions de calcul (toutes les heures)</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the point lies inside the zone</comment>
        <translation>dedans</translation>
    </message>
    <message>
        <source>out</source>
        <comment>the point lies outside the zone</comment>
        <translation>dehors</translation>
    </message>
    <message>
        <source>State points</source>
        <translation>Points d&apos;état</translation>
    </message>
    <message>
        <source>Zones (in: the point lies inside): </source>
        <translation>Zones (dedans : le point est à l&apos;intérieur) : </translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Évolutions</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>Mélanges</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print preview of the report</source>
        <translation>Aperçu avant impression du rapport</translation>
    </message>
</context>
<context>
    <name>chart::ComponentDialog</name>
    <message>
        <source>%1 Settings</source>
        <translation>Réglages : %1</translation>
    </message>
    <message>
        <source>Component message</source>
        <translation>Message du composant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>0 to 1</source>
        <translation>0 à 1</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Unité : %1</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>« %1 » n&apos;est pas un nombre pour : %2.</translation>
    </message>
    <message>
        <source>&amp;Exchanger:</source>
        <translation>&amp;Échangeur :</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Plaques</translation>
    </message>
    <message>
        <source>&amp;Sensible effectiveness:</source>
        <translation>Efficacité &amp;sensible :</translation>
    </message>
    <message>
        <source>&amp;Latent effectiveness:</source>
        <translation>Efficacité &amp;latente :</translation>
    </message>
    <message>
        <source>&amp;Given exhaust airflow (otherwise balanced)</source>
        <translation>Débit d&apos;extraction &amp;donné (sinon équilibré)</translation>
    </message>
    <message>
        <source>E&amp;xhaust airflow:</source>
        <translation>Débit d&apos;e&amp;xtraction :</translation>
    </message>
    <message>
        <source>&amp;Economizer:</source>
        <translation>&amp;Économiseur :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Température sèche</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>&amp;High limit</source>
        <translation>Limite &amp;haute</translation>
    </message>
    <message>
        <source>High-limit &amp;dry bulb:</source>
        <translation>Température sèche &amp;limite :</translation>
    </message>
    <message>
        <source>&amp;Maximum outdoor air share:</source>
        <translation>Part &amp;maximale d&apos;air extérieur :</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rôle :</translation>
    </message>
    <message>
        <source>Preheat</source>
        <translation>Préchauffage</translation>
    </message>
    <message>
        <source>Reheat</source>
        <translation>Réchauffage</translation>
    </message>
    <message>
        <source>&amp;Sized by:</source>
        <translation>&amp;Dimensionné par :</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>Température sèche de sortie</translation>
    </message>
    <message>
        <source>Temperature rise</source>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>To the supply air</source>
        <translation>Vers l&apos;air soufflé</translation>
    </message>
    <message>
        <source>&amp;Leaving dry bulb:</source>
        <translation>Température sèche de &amp;sortie :</translation>
    </message>
    <message>
        <source>Temperature r&amp;ise:</source>
        <translation>&amp;Échauffement :</translation>
    </message>
    <message>
        <source>Leaving dry bulb and RH</source>
        <translation>Température sèche et HR de sortie</translation>
    </message>
    <message>
        <source>Apparatus dew point and bypass</source>
        <translation>Point de rosée de la batterie et by-pass</translation>
    </message>
    <message>
        <source>To the supply&apos;s humidity</source>
        <translation>Vers l&apos;humidité de l&apos;air soufflé</translation>
    </message>
    <message>
        <source>Leaving relative &amp;humidity:</source>
        <translation>&amp;Humidité relative de sortie :</translation>
    </message>
    <message>
        <source>&amp;Apparatus dew point:</source>
        <translation>Point de rosée de la &amp;batterie :</translation>
    </message>
    <message>
        <source>&amp;Bypass factor:</source>
        <translation>Facteur de &amp;by-pass :</translation>
    </message>
    <message>
        <source>&amp;Heat by:</source>
        <translation>&amp;Chaleur par :</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>&amp;Shaft power:</source>
        <translation>Puissance sur l&apos;&amp;arbre :</translation>
    </message>
    <message>
        <source>&amp;Power unit:</source>
        <translation>&amp;Unité de puissance :</translation>
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
        <translation>Rendement du &amp;moteur :</translation>
    </message>
    <message>
        <source>Motor in the &amp;airstream</source>
        <translation>Moteur dans le &amp;flux d&apos;air</translation>
    </message>
    <message>
        <source>&amp;Rise:</source>
        <translation>&amp;Échauffement :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Steam</source>
        <translation>Vapeur</translation>
    </message>
    <message>
        <source>Adiabatic</source>
        <translation>Adiabatique</translation>
    </message>
    <message>
        <source>Leaving dew point</source>
        <translation>Point de rosée de sortie</translation>
    </message>
    <message>
        <source>Leaving relative humidity</source>
        <translation>Humidité relative de sortie</translation>
    </message>
    <message>
        <source>Leaving &amp;dew point:</source>
        <translation>Point de &amp;rosée de sortie :</translation>
    </message>
    <message>
        <source>S&amp;team temperature:</source>
        <translation>Température de la &amp;vapeur :</translation>
    </message>
</context>
<context>
    <name>chart::CoolingCoilDialog</name>
    <message>
        <source>Cooling Coil</source>
        <translation>Batterie froide</translation>
    </message>
    <message>
        <source>&amp;Entering air:</source>
        <translation>Air d&apos;&amp;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>Point d&apos;entrée</translation>
    </message>
    <message>
        <source>Entering air</source>
        <translation>Air d&apos;entrée</translation>
    </message>
    <message>
        <source>Apparatus dew point in %1</source>
        <translation>Point de rosée de l&apos;appareil en %1</translation>
    </message>
    <message>
        <source>Apparatus &amp;dew point (%1):</source>
        <translation>Point de &amp;rosée de l&apos;appareil (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Bypass factor, 0 to 1</source>
        <translation>Facteur de bipasse, de 0 à 1</translation>
    </message>
    <message>
        <source>&amp;Bypass factor (0 to 1):</source>
        <translation>Facteur de &amp;bipasse (0 à 1)&#xa0;:</translation>
    </message>
    <message>
        <source>Dry bulb %1 %2</source>
        <translation>Température sèche %1 %2</translation>
    </message>
    <message>
        <source>, dew point %1 %2</source>
        <translation>, point de rosée %1 %2</translation>
    </message>
    <message>
        <source>Type the apparatus dew point as a number in %1.</source>
        <translation>Saisissez le point de rosée de l&apos;appareil comme un nombre en %1.</translation>
    </message>
    <message>
        <source>Type the bypass factor as a number from 0 up to 1.</source>
        <translation>Saisissez le facteur de bipasse comme un nombre de 0 à 1.</translation>
    </message>
</context>
<context>
    <name>chart::HoverReadout</name>
    <message>
        <source>Dry bulb %1</source>
        <translation>Température sèche %1</translation>
    </message>
    <message>
        <source>Humidity ratio %1 %2</source>
        <translation>Teneur en eau %1 %2</translation>
    </message>
    <message>
        <source>Supersaturated</source>
        <translation>Sursaturé</translation>
    </message>
    <message>
        <source>Relative humidity %1 %</source>
        <translation>Humidité relative %1 %</translation>
    </message>
    <message>
        <source>Wet bulb %1</source>
        <translation>Température humide %1</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>Point de rosée %1</translation>
    </message>
    <message>
        <source>Enthalpy %1 %2</source>
        <translation>Enthalpie %1 %2</translation>
    </message>
    <message>
        <source>Specific volume %1 %2</source>
        <translation>Volume spécifique %1 %2</translation>
    </message>
</context>
<context>
    <name>chart::MixDialog</name>
    <message>
        <source>Mix</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>&amp;First stream:</source>
        <translation>&amp;Premier débit&#xa0;:</translation>
    </message>
    <message>
        <source>First point</source>
        <translation>Premier point</translation>
    </message>
    <message>
        <source>&amp;Second stream:</source>
        <translation>&amp;Second débit&#xa0;:</translation>
    </message>
    <message>
        <source>Second point</source>
        <translation>Second point</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 has none.</source>
        <translation>Pour mélanger, les deux points doivent avoir un débit d&apos;air&#xa0;: %1 n&apos;en a pas.</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 and %2 have none.</source>
        <translation>Pour mélanger, les deux points doivent avoir un débit d&apos;air&#xa0;: %1 et %2 n&apos;en ont pas.</translation>
    </message>
</context>
<context>
    <name>chart::MixingTableModel</name>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Mixture</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Proportion</translation>
    </message>
    <message>
        <source>Mixture %1 of %2 and %3</source>
        <translation>Mélange %1 de %2 et %3</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>second</translation>
    </message>
    <message>
        <source>mixture</source>
        <translation>mélange</translation>
    </message>
    <message>
        <source>ratio</source>
        <translation>proportion</translation>
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
        <translation>Ajouter un point</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>&amp;First property:</source>
        <translation>&amp;Première grandeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Second property:</source>
        <translation>&amp;Seconde grandeur&#xa0;:</translation>
    </message>
    <message>
        <source>First &amp;value:</source>
        <translation>Première &amp;valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Second va&amp;lue:</source>
        <translation>Seconde va&amp;leur&#xa0;:</translation>
    </message>
    <message>
        <source>%1 property</source>
        <translation>%1 grandeur</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1 valeur</translation>
    </message>
    <message>
        <source>%1 value&apos;s unit</source>
        <translation>Unité de la %1 valeur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Left empty, the point takes the next name in sequence.</source>
        <translation>Laissé vide, le point prend le nom suivant de la série.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type the %1.</source>
        <translation>Saisissez la grandeur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre pour la grandeur «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>chart::PointTableModel</name>
    <message>
        <source>Airflow unit</source>
        <translation>Unité de débit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Defined by</source>
        <translation>Défini par</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>Débit d&apos;air</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>Air sec</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>The two properties the point is defined by; their cells are bold.</source>
        <translation>Les deux grandeurs qui définissent le point&#xa0;; leurs cellules sont en gras.</translation>
    </message>
    <message>
        <source>Thermal comfort by ISO 7730 with the project&apos;s comfort parameters, the mean radiant temperature equal to the dry bulb.</source>
        <translation>Confort thermique selon ISO 7730 avec les paramètres de confort du projet, la température moyenne de rayonnement égale à la température sèche.</translation>
    </message>
    <message>
        <source>Editable: a value typed here redefines the point.</source>
        <translation>Modifiable&#xa0;: une valeur saisie ici redéfinit le point.</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>dedans</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>dehors</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>%1, %2: none</source>
        <translation>%1, %2&#xa0;: aucun</translation>
    </message>
    <message>
        <source>%1, %2: none, %3</source>
        <translation>%1, %2&#xa0;: aucun, %3</translation>
    </message>
    <message>
        <source>, defines the point</source>
        <translation>, définit le point</translation>
    </message>
    <message>
        <source>Defines the point</source>
        <translation>Définit le point</translation>
    </message>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>Le point %1 n&apos;est pas de l&apos;air réel&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2; nothing was changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre pour la grandeur «&#xa0;%2&#xa0;»&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>“%1” is not a number for the airflow; nothing was changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre pour le débit d&apos;air&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>“%1” is not an airflow unit; choose one of %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité de débit d&apos;air&#xa0;; choisissez parmi %2.</translation>
    </message>
    <message>
        <source>Give point %1 an airflow first.</source>
        <translation>Donnez d&apos;abord un débit d&apos;air au point %1.</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Température sèche</translation>
    </message>
    <message>
        <source>dry bulb</source>
        <translation>température sèche</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>Température humide</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>température humide</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humidité relative</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Teneur en eau</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>teneur en eau</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>enthalpie</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>point de rosée</translation>
    </message>
    <message>
        <source>Vapor pressure</source>
        <translation>Pression de vapeur</translation>
    </message>
    <message>
        <source>vapor pressure</source>
        <translation>pression de vapeur</translation>
    </message>
    <message>
        <source>Degree of saturation</source>
        <translation>Degré de saturation</translation>
    </message>
    <message>
        <source>degree of saturation</source>
        <translation>degré de saturation</translation>
    </message>
    <message>
        <source>Specific volume</source>
        <translation>Volume spécifique</translation>
    </message>
    <message>
        <source>specific volume</source>
        <translation>volume spécifique</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>density</source>
        <translation>masse volumique</translation>
    </message>
    <message>
        <source>Absolute humidity</source>
        <translation>Humidité absolue</translation>
    </message>
    <message>
        <source>absolute humidity</source>
        <translation>humidité absolue</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>pression</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altitude</translation>
    </message>
    <message>
        <source>Moisture concentration</source>
        <translation>Concentration d&apos;humidité</translation>
    </message>
    <message>
        <source>moisture concentration</source>
        <translation>concentration d&apos;humidité</translation>
    </message>
</context>
<context>
    <name>chart::PointsView</name>
    <message>
        <source>State points</source>
        <translation>Points d&apos;état</translation>
    </message>
    <message>
        <source>Pressure of the points</source>
        <translation>Pression des points</translation>
    </message>
    <message>
        <source>One row per point. F2, Enter or typing edits a cell; Delete deletes the selected points.</source>
        <translation>Une ligne par point. F2, Entrée ou la saisie modifie une cellule&#xa0;; Suppr supprime les points choisis.</translation>
    </message>
    <message>
        <source>Add the &amp;calculator&apos;s state</source>
        <translation>Ajouter l&apos;état de la &amp;calculatrice</translation>
    </message>
    <message>
        <source>Add the calculator&apos;s state</source>
        <translation>Ajouter l&apos;état de la calculatrice</translation>
    </message>
    <message>
        <source>Adds the calculator&apos;s state as a point defined by its two ticked inputs.</source>
        <translation>Ajoute l&apos;état de la calculatrice comme un point défini par ses deux entrées cochées.</translation>
    </message>
    <message>
        <source>&amp;Add Point...</source>
        <translation>&amp;Ajouter un point...</translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation>Ajouter un point</translation>
    </message>
    <message>
        <source>&amp;Delete Point</source>
        <translation>&amp;Supprimer le point</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Supprimer le point</translation>
    </message>
    <message>
        <source>Deletes the selected points (Delete); Undo brings them back.</source>
        <translation>Supprime les points choisis (Suppr)&#xa0;; Annuler les ramène.</translation>
    </message>
    <message>
        <source>Points message</source>
        <translation>Message des points</translation>
    </message>
    <message>
        <source>S&amp;tate points:</source>
        <translation>Points d&apos;é&amp;tat&#xa0;:</translation>
    </message>
    <message>
        <source>All points at %1 %2</source>
        <translation>Tous les points à %1 %2</translation>
    </message>
    <message>
        <source> (altitude %1 %2)</source>
        <translation> (altitude %1 %2)</translation>
    </message>
    <message>
        <source>, %1 units</source>
        <translation>, unités %1</translation>
    </message>
    <message>
        <source>Point %1 is solved at the points&apos; pressure, %2 %3, not the calculator&apos;s.</source>
        <translation>Le point %1 est calculé à la pression des points, %2 %3, et non à celle de la calculatrice.</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>Supprimer le point %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n points</source>
        <translation>
            <numerusform>Supprimer %n point</numerusform>
            <numerusform>Supprimer %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chart::ProcessTableModel</name>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Sensible</source>
        <translation>Sensible</translation>
    </message>
    <message>
        <source>Latent</source>
        <translation>Latente</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>SHR</source>
        <translation>FCS</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>ADP</source>
        <translation>PRA</translation>
    </message>
    <message>
        <source>Bypass factor</source>
        <translation>Facteur de by-pass</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Process %1 to %2</source>
        <translation>Évolution de %1 à %2</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>process</source>
        <translation>évolution</translation>
    </message>
    <message>
        <source>dry-bulb change</source>
        <translation>variation de température sèche</translation>
    </message>
    <message>
        <source>humidity-ratio change</source>
        <translation>variation de teneur en eau</translation>
    </message>
    <message>
        <source>enthalpy change</source>
        <translation>variation d&apos;enthalpie</translation>
    </message>
    <message>
        <source>sensible</source>
        <translation>sensible</translation>
    </message>
    <message>
        <source>latent</source>
        <translation>latente</translation>
    </message>
    <message>
        <source>total</source>
        <translation>totale</translation>
    </message>
    <message>
        <source>sensible heat ratio</source>
        <translation>facteur de chaleur sensible</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>apparatus dew point</source>
        <translation>point de rosée de l&apos;appareil</translation>
    </message>
    <message>
        <source>bypass factor</source>
        <translation>facteur de by-pass</translation>
    </message>
    <message>
        <source>message</source>
        <translation>message</translation>
    </message>
    <message>
        <source>%1, no %2</source>
        <translation>%1, pas de %2</translation>
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
        <translation>Évolutions et mélanges</translation>
    </message>
    <message>
        <source>Heat unit</source>
        <translation>Unité de puissance</translation>
    </message>
    <message>
        <source>&amp;Heat unit:</source>
        <translation>Unité de &amp;puissance&#xa0;:</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Évolutions</translation>
    </message>
    <message>
        <source>&amp;Processes</source>
        <translation>&amp;Évolutions</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>Mélanges</translation>
    </message>
    <message>
        <source>Mi&amp;xtures</source>
        <translation>Mé&amp;langes</translation>
    </message>
    <message>
        <source>&amp;Add Process...</source>
        <translation>&amp;Ajouter une évolution...</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>Ajouter une évolution</translation>
    </message>
    <message>
        <source>Cooling &amp;Coil...</source>
        <translation>&amp;Batterie froide...</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>Batterie froide</translation>
    </message>
    <message>
        <source>&amp;Mix...</source>
        <translation>&amp;Mélanger...</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>A process needs two points: add them on the chart first.</source>
        <translation>Une évolution demande deux points&#xa0;: ajoutez-les d&apos;abord sur le diagramme.</translation>
    </message>
    <message>
        <source>Process added.</source>
        <translation>Évolution ajoutée.</translation>
    </message>
    <message>
        <source>A cooling coil needs the point of its entering air: add it on the chart first.</source>
        <translation>Une batterie froide demande le point de son air d&apos;entrée&#xa0;: ajoutez-le d&apos;abord sur le diagramme.</translation>
    </message>
    <message>
        <source>Cooling coil added: its leaving air is a new point.</source>
        <translation>Batterie froide ajoutée&#xa0;: son air de sortie est un nouveau point.</translation>
    </message>
    <message>
        <source>Mixing needs two points with airflows: add them on the chart first.</source>
        <translation>Le mélange demande deux points avec un débit d&apos;air&#xa0;: ajoutez-les d&apos;abord sur le diagramme.</translation>
    </message>
    <message>
        <source>Mixture added as a new point.</source>
        <translation>Mélange ajouté comme nouveau point.</translation>
    </message>
    <message>
        <source>Process deleted (Undo brings it back).</source>
        <translation>Évolution supprimée (Annuler la ramène).</translation>
    </message>
    <message>
        <source>Mixture record deleted; its point stays (Undo brings the record back).</source>
        <translation>Mélange supprimé&#xa0;; son point reste (Annuler ramène le mélange).</translation>
    </message>
    <message>
        <source>Select a process or a mixture to delete.</source>
        <translation>Choisissez une évolution ou un mélange à supprimer.</translation>
    </message>
    <message>
        <source>Processes message</source>
        <translation>Message des évolutions</translation>
    </message>
</context>
<context>
    <name>chart::ProjectEditDialog</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Dialog buttons</source>
        <translation>Boutons de la boîte de dialogue</translation>
    </message>
    <message>
        <source>The project is closed.</source>
        <translation>Le projet est fermé.</translation>
    </message>
</context>
<context>
    <name>chart::ProjectInteraction</name>
    <message>
        <source>No point added: Shift + double-click inside the plot.</source>
        <translation>Aucun point ajouté : Maj + double clic dans le tracé.</translation>
    </message>
    <message>
        <source>No point added: there is no air above the saturation curve.</source>
        <translation>Aucun point ajouté : il n&apos;y a pas d&apos;air au-delà de la courbe de saturation.</translation>
    </message>
    <message>
        <source>No point added: %1</source>
        <translation>Aucun point ajouté : %1</translation>
    </message>
    <message>
        <source>there is no air here.</source>
        <translation>il n&apos;y a pas d&apos;air ici.</translation>
    </message>
</context>
<context>
    <name>chart::ProjectLayer</name>
    <message>
        <source>Comfort zone</source>
        <translation>Zone de confort</translation>
    </message>
    <message>
        <source>Data room</source>
        <translation>Salle informatique</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1, non affiché : %2</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 %5</source>
        <translation>%1 : %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>Aucun point</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Points : %1</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 à %2 : %3</translation>
    </message>
    <message>
        <source>Processes: %1</source>
        <translation>Évolutions : %1</translation>
    </message>
    <message>
        <source>%1 mixes %2 %3 % and %4 %5 % of the dry air</source>
        <translation>%1 mélange %2 %3 % et %4 %5 % de l&apos;air sec</translation>
    </message>
    <message>
        <source>Mixtures: %1</source>
        <translation>Mélanges : %1</translation>
    </message>
    <message>
        <source>thermal comfort zone</source>
        <translation>zone de confort thermique</translation>
    </message>
    <message>
        <source>data-processing room envelope</source>
        <translation>enveloppe des salles informatiques</translation>
    </message>
    <message>
        <source>Zones shown: %1</source>
        <translation>Zones affichées : %1</translation>
    </message>
</context>
<context>
    <name>chart::PsychroChart</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>A&amp;SHRAE Chart</source>
        <translation>Diagramme A&amp;SHRAE</translation>
    </message>
    <message>
        <source>&amp;Mollier h-x Diagram</source>
        <translation>Diagramme de &amp;Mollier h-x</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Chart As</source>
        <translation>Enregistrer le diagramme sous</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1.</source>
        <translation>Le diagramme n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>chart::WeatherLayers</name>
    <message>
        <source>Hours per cell</source>
        <translation>Heures par cellule</translation>
    </message>
</context>
<context>
    <name>chart::WeatherPanel</name>
    <message>
        <source>Weather file, hours shown, zones and limits</source>
        <translation>Fichier météo, heures affichées, zones et limites</translation>
    </message>
    <message>
        <source>Hours shown</source>
        <translation>Heures affichées</translation>
    </message>
    <message>
        <source>Density shading (hours per cell)</source>
        <translation>Ombrage de densité (heures par cellule)</translation>
    </message>
    <message>
        <source>Dots coloured by month</source>
        <translation>Points colorés par mois</translation>
    </message>
    <message>
        <source>Count %1</source>
        <translation>Compter %1</translation>
    </message>
    <message>
        <source>&amp;Hours from</source>
        <translation>&amp;Heures de</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;jusqu&apos;à</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Thermal &amp;comfort (PMV)</source>
        <translation>Confort &amp;thermique (PMV)</translation>
    </message>
    <message>
        <source>Summer, 0.5 clo</source>
        <translation>Été, 0,5 clo</translation>
    </message>
    <message>
        <source>Winter, 1.0 clo</source>
        <translation>Hiver, 1,0 clo</translation>
    </message>
    <message>
        <source>&amp;Data-room envelope</source>
        <translation>Enveloppe salles in&amp;formatiques</translation>
    </message>
    <message>
        <source>&amp;User zone</source>
        <translation>Zone &amp;utilisateur</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sans limite</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>Nombre d&apos;heures</translation>
    </message>
    <message>
        <source>Hours of the filtered months and hours of the day inside each zone shown and above and below each limit, with their share of the filtered hours.</source>
        <translation>Heures des mois et heures du jour filtrés dans chaque zone affichée et au-dessus et au-dessous de chaque limite, avec leur part des heures filtrées.</translation>
    </message>
    <message>
        <source>Design conditions</source>
        <translation>Conditions de base</translation>
    </message>
    <message>
        <source>Climatic design conditions computed from all hours of the file, beside the values its header gives.</source>
        <translation>Conditions climatiques de base calculées sur toutes les heures du fichier, à côté des valeurs de son en-tête.</translation>
    </message>
    <message>
        <source>Hour count&amp;s</source>
        <translation>&amp;Nombre d&apos;heures</translation>
    </message>
    <message>
        <source>Desi&amp;gn conditions (all hours)</source>
        <translation>Conditions de &amp;base (toutes les heures)</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>Fichier météo</translation>
    </message>
    <message>
        <source>Chart pressure</source>
        <translation>Pression du diagramme</translation>
    </message>
    <message>
        <source>Weather file message</source>
        <translation>Message du fichier météo</translation>
    </message>
    <message>
        <source>Rows skipped</source>
        <translation>Lignes ignorées</translation>
    </message>
    <message>
        <source>Hours shown as</source>
        <translation>Heures affichées en</translation>
    </message>
    <message>
        <source>Density shading colours each cell of the chart by the hours in it; dots mark every hour in the colour of its month.</source>
        <translation>L&apos;ombrage de densité colore chaque cellule du diagramme selon ses heures&#xa0;; les points marquent chaque heure de la couleur de son mois.</translation>
    </message>
    <message>
        <source>First hour of the day counted</source>
        <translation>Première heure du jour comptée</translation>
    </message>
    <message>
        <source>Last hour of the day counted</source>
        <translation>Dernière heure du jour comptée</translation>
    </message>
    <message>
        <source>Hours that start from this hour to the last hour, inclusive, are drawn and counted; a range past midnight counts the night.</source>
        <translation>Les heures commençant de cette heure à la dernière, incluse, sont tracées et comptées&#xa0;; une plage passant minuit compte la nuit.</translation>
    </message>
    <message>
        <source>Show the thermal comfort zone</source>
        <translation>Afficher la zone de confort thermique</translation>
    </message>
    <message>
        <source>Air in which the predicted mean vote of ISO 7730 lies within plus or minus 0.5 at 1.1 met and 0.1 m/s, humidity ratio at most 0.012.</source>
        <translation>Air dans lequel le vote moyen prévisible de l&apos;ISO 7730 reste entre plus et moins 0,5 à 1,1 met et 0,1 m/s, teneur en eau d&apos;au plus 0,012.</translation>
    </message>
    <message>
        <source>Clothing of the comfort zone</source>
        <translation>Habillement de la zone de confort</translation>
    </message>
    <message>
        <source>Show the data-room envelope</source>
        <translation>Afficher l&apos;enveloppe des salles informatiques</translation>
    </message>
    <message>
        <source>The recommended envelope for data-processing rooms: 18 to 27 °C, dew point -9 to 15 °C, at most 60 % relative humidity.</source>
        <translation>L&apos;enveloppe recommandée pour les salles informatiques&#xa0;: 18 à 27 °C, point de rosée -9 à 15 °C, au plus 60 % d&apos;humidité relative.</translation>
    </message>
    <message>
        <source>Show the user zone</source>
        <translation>Afficher la zone utilisateur</translation>
    </message>
    <message>
        <source>A zone of the limits below; a limit left empty does not apply.</source>
        <translation>Une zone des limites ci-dessous&#xa0;; une limite laissée vide ne s&apos;applique pas.</translation>
    </message>
    <message>
        <source>User zone problem</source>
        <translation>Problème de la zone utilisateur</translation>
    </message>
    <message>
        <source>Dry bulb limit</source>
        <translation>Limite de température sèche</translation>
    </message>
    <message>
        <source>Dew point limit</source>
        <translation>Limite de point de rosée</translation>
    </message>
    <message>
        <source>Humidity ratio limit</source>
        <translation>Limite de teneur en eau</translation>
    </message>
    <message>
        <source>The hour counts give the hours above and below this value.</source>
        <translation>Le nombre d&apos;heures donne les heures au-dessus et au-dessous de cette valeur.</translation>
    </message>
    <message>
        <source>Dry bulb min (%1)</source>
        <translation>Temp. sèche min. (%1)</translation>
    </message>
    <message>
        <source>Dry bulb max (%1)</source>
        <translation>Temp. sèche max. (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio min (%1)</source>
        <translation>Teneur en eau min. (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio max (%1)</source>
        <translation>Teneur en eau max. (%1)</translation>
    </message>
    <message>
        <source>RH max (%)</source>
        <translation>HR max. (%)</translation>
    </message>
    <message>
        <source>Dew point min (%1)</source>
        <translation>Point de rosée min. (%1)</translation>
    </message>
    <message>
        <source>Dew point max (%1)</source>
        <translation>Point de rosée max. (%1)</translation>
    </message>
    <message>
        <source>User zone %1</source>
        <translation>Zone utilisateur %1</translation>
    </message>
    <message>
        <source>Dr&amp;y bulb (%1)</source>
        <translation>Température &amp;sèche (%1)</translation>
    </message>
    <message>
        <source>Dew &amp;point (%1)</source>
        <translation>Point de &amp;rosée (%1)</translation>
    </message>
    <message>
        <source>Humidity &amp;ratio (%1)</source>
        <translation>Teneur en &amp;eau (%1)</translation>
    </message>
    <message>
        <source>Not a number: %1.</source>
        <translation>Pas un nombre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>comfort zone (summer, 0.5 clo)</source>
        <translation>zone de confort (été, 0,5 clo)</translation>
    </message>
    <message>
        <source>comfort zone (winter, 1.0 clo)</source>
        <translation>zone de confort (hiver, 1,0 clo)</translation>
    </message>
    <message>
        <source>data-room envelope</source>
        <translation>enveloppe des salles informatiques</translation>
    </message>
    <message>
        <source>user zone</source>
        <translation>zone utilisateur</translation>
    </message>
    <message>
        <source>Chart at %1 (site elevation %2 m)</source>
        <translation>Diagramme à %1 (altitude du site %2 m)</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19,812 m).</source>
        <translation>Diagramme à %1, la pression médiane des heures du fichier&#xa0;: l&apos;altitude du site sort du domaine du polynôme d&apos;altitude (-609,6 m à 19&#xa0;812 m).</translation>
    </message>
    <message>
        <source>Chart at %1, %2: the file gives no elevation and no pressure, so its hours are taken at %2.</source>
        <translation>Diagramme à %1, %2&#xa0;: le fichier ne donne ni altitude ni pression, ses heures sont donc prises à %2.</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the file gives no elevation.</source>
        <translation>Diagramme à %1, la pression médiane des heures du fichier&#xa0;: le fichier ne donne pas d&apos;altitude.</translation>
    </message>
    <message>
        <source>1 hour skipped: %1</source>
        <translation>1 heure ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 hours skipped: %2</source>
        <translation>%1 heures ignorées&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file has %1 data rows; a year has %2.</source>
        <translation>Le fichier a %1 lignes de données&#xa0;; une année en a %2.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Site&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 hours read</source>
        <translation>%1 heures lues</translation>
    </message>
    <message>
        <source>No weather file. File &gt; Open Weather File... reads an EPW file or a CSV file of hourly weather.</source>
        <translation>Pas de fichier météo. Fichier &gt; Ouvrir un fichier météo... lit un fichier EPW ou un fichier CSV de météo horaire.</translation>
    </message>
</context>
<context>
    <name>chart::WeatherStatistics</name>
    <message>
        <source>Statistic</source>
        <translation>Statistique</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Share of filtered hours (%)</source>
        <translation>Part des heures filtrées (%)</translation>
    </message>
    <message>
        <source>Hours read</source>
        <translation>Heures lues</translation>
    </message>
    <message>
        <source>Hours in the filter</source>
        <translation>Heures du filtre</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Dans %1</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Température sèche</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Teneur en eau</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 au-dessus de %2</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 au-dessous de %2</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>From the hours</source>
        <translation>D&apos;après les heures</translation>
    </message>
    <message>
        <source>From the file header</source>
        <translation>D&apos;après l&apos;en-tête du fichier</translation>
    </message>
    <message>
        <source>Dry bulb (%1)</source>
        <translation>Température sèche (%1)</translation>
    </message>
    <message>
        <source>Heating 99.6 %</source>
        <translation>Hiver 99,6&#xa0;%</translation>
    </message>
    <message>
        <source>Heating 99 %</source>
        <translation>Hiver 99&#xa0;%</translation>
    </message>
    <message>
        <source>Cooling %1 %</source>
        <translation>Été %1&#xa0;%</translation>
    </message>
    <message>
        <source>Mean coincident wet bulb (%1)</source>
        <translation>Température humide moyenne coïncidente (%1)</translation>
    </message>
    <message>
        <source>Dew point 0.4 %</source>
        <translation>Point de rosée 0,4&#xa0;%</translation>
    </message>
    <message>
        <source>Dew point (%1)</source>
        <translation>Point de rosée (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio (%1)</source>
        <translation>Teneur en eau (%1)</translation>
    </message>
    <message>
        <source>Mean coincident dry bulb (%1)</source>
        <translation>Température sèche moyenne coïncidente (%1)</translation>
    </message>
</context>
<context>
    <name>chart::ZonesView</name>
    <message>
        <source>Dry bulb min</source>
        <translation>Temp. sèche min</translation>
    </message>
    <message>
        <source>Dry bulb max</source>
        <translation>Temp. sèche max</translation>
    </message>
    <message>
        <source>Humidity ratio min</source>
        <translation>Teneur en eau min</translation>
    </message>
    <message>
        <source>Humidity ratio max</source>
        <translation>Teneur en eau max</translation>
    </message>
    <message>
        <source>RH min</source>
        <translation>HR min</translation>
    </message>
    <message>
        <source>RH max</source>
        <translation>HR max</translation>
    </message>
    <message>
        <source>Dew point min</source>
        <translation>Point de rosée min</translation>
    </message>
    <message>
        <source>Dew point max</source>
        <translation>Point de rosée max</translation>
    </message>
    <message>
        <source>&amp;Thermal comfort zone (|PMV| ≤ 0.5)</source>
        <translation>Zone de confort &amp;thermique (|PMV| ≤ 0.5)</translation>
    </message>
    <message>
        <source>Thermal comfort zone</source>
        <translation>Zone de confort thermique</translation>
    </message>
    <message>
        <source>Metabolic rate, met</source>
        <translation>Métabolisme, met</translation>
    </message>
    <message>
        <source>Clothing insulation, clo</source>
        <translation>Isolement vestimentaire, clo</translation>
    </message>
    <message>
        <source>Air speed, m/s</source>
        <translation>Vitesse de l&apos;air, m/s</translation>
    </message>
    <message>
        <source>&amp;Metabolic rate:</source>
        <translation>Méta&amp;bolisme :</translation>
    </message>
    <message>
        <source>C&amp;lothing:</source>
        <translation>&amp;Vêtement :</translation>
    </message>
    <message>
        <source>Air s&amp;peed:</source>
        <translation>Vitess&amp;e de l&apos;air :</translation>
    </message>
    <message>
        <source>&amp;Summer (0.5 clo)</source>
        <translation>&amp;Été (0.5 clo)</translation>
    </message>
    <message>
        <source>Summer comfort preset</source>
        <translation>Préréglage de confort d&apos;été</translation>
    </message>
    <message>
        <source>W&amp;inter (1.0 clo)</source>
        <translation>&amp;Hiver (1.0 clo)</translation>
    </message>
    <message>
        <source>Winter comfort preset</source>
        <translation>Préréglage de confort d&apos;hiver</translation>
    </message>
    <message>
        <source>&amp;Data-processing room envelope</source>
        <translation>Enveloppe des sa&amp;lles informatiques</translation>
    </message>
    <message>
        <source>Data-processing room envelope</source>
        <translation>Enveloppe des salles informatiques</translation>
    </message>
    <message>
        <source>18–27 °C, dew point −9–15 °C, RH ≤ 60 %</source>
        <translation>18–27 °C, point de rosée −9–15 °C, HR ≤ 60 %</translation>
    </message>
    <message>
        <source>&amp;User zones:</source>
        <translation>Zones de l&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>User zones</source>
        <translation>Zones de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>One row per zone: its name, its limits, an empty cell for none, and whether it is shown.</source>
        <translation>Une ligne par zone : son nom, ses limites (une cellule vide pour aucune) et si elle est affichée.</translation>
    </message>
    <message>
        <source>&amp;Add zone</source>
        <translation>A&amp;jouter une zone</translation>
    </message>
    <message>
        <source>Add zone</source>
        <translation>Ajouter une zone</translation>
    </message>
    <message>
        <source>&amp;Remove zone</source>
        <translation>&amp;Retirer la zone</translation>
    </message>
    <message>
        <source>Remove zone</source>
        <translation>Retirer la zone</translation>
    </message>
    <message>
        <source>Zones message</source>
        <translation>Message des zones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affichée</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>« %1 » n&apos;est pas un nombre.</translation>
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
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>About Vaporwright</source>
        <translation>À propos de Vaporwright</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
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
        <translation>Vaporwright&#xa0;:  A V E R T I S S E M E N T</translation>
    </message>
    <message>
        <source>Error:  Vaporwright</source>
        <translation>Erreur&#xa0;:  Vaporwright</translation>
    </message>
    <message>
        <source>The file DISCLAIMER.TXT could not be located.
Please re-install Vaporwright.</source>
        <translation>Le fichier DISCLAIMER.TXT est introuvable.
Veuillez réinstaller Vaporwright.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Dry Bulb Temperature</source>
        <translation>Température sèche</translation>
    </message>
    <message>
        <source>Temperature of the air as an ordinary thermometer reads it.</source>
        <translation>Température de l&apos;air telle qu&apos;un thermomètre ordinaire la lit.</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature</source>
        <translation>Température humide</translation>
    </message>
    <message>
        <source>Temperature a wetted thermometer reaches as water evaporates from it into the air.</source>
        <translation>Température qu&apos;atteint un thermomètre mouillé pendant que l&apos;eau s&apos;en évapore dans l&apos;air.</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Humidité relative</translation>
    </message>
    <message>
        <source>Vapor pressure as a share of the saturation vapor pressure at the dry bulb temperature.</source>
        <translation>Pression de vapeur rapportée à la pression de vapeur saturante à la température sèche.</translation>
    </message>
    <message>
        <source>Humidity Ratio</source>
        <translation>Teneur en eau</translation>
    </message>
    <message>
        <source>Mass of water vapor per mass of dry air.</source>
        <translation>Masse de vapeur d&apos;eau par masse d&apos;air sec.</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <source>Heat content of the moist air per mass of dry air.</source>
        <translation>Quantité de chaleur de l&apos;air humide par masse d&apos;air sec.</translation>
    </message>
    <message>
        <source>Dew Point Temperature</source>
        <translation>Température de rosée</translation>
    </message>
    <message>
        <source>Temperature at which the air becomes saturated when cooled at constant moisture.</source>
        <translation>Température à laquelle l&apos;air refroidi à teneur en eau constante devient saturé.</translation>
    </message>
    <message>
        <source>Vapor Pressure</source>
        <translation>Pression de vapeur</translation>
    </message>
    <message>
        <source>Partial pressure of the water vapor in the air.</source>
        <translation>Pression partielle de la vapeur d&apos;eau dans l&apos;air.</translation>
    </message>
    <message>
        <source>Degree of Saturation</source>
        <translation>Degré de saturation</translation>
    </message>
    <message>
        <source>Humidity ratio as a share of the humidity ratio of saturated air at the same temperature.</source>
        <translation>Teneur en eau rapportée à celle de l&apos;air saturé à la même température.</translation>
    </message>
    <message>
        <source>Specific Volume</source>
        <translation>Volume spécifique</translation>
    </message>
    <message>
        <source>Volume of moist air per mass of dry air.</source>
        <translation>Volume d&apos;air humide par masse d&apos;air sec.</translation>
    </message>
    <message>
        <source>Moist Air Density</source>
        <translation>Masse volumique de l&apos;air humide</translation>
    </message>
    <message>
        <source>Mass of moist air per volume.</source>
        <translation>Masse d&apos;air humide par volume.</translation>
    </message>
    <message>
        <source>Absolute Humidity</source>
        <translation>Humidité absolue</translation>
    </message>
    <message>
        <source>Mass of water vapor per volume of moist air.</source>
        <translation>Masse de vapeur d&apos;eau par volume d&apos;air humide.</translation>
    </message>
    <message>
        <source>Atmospheric Pressure</source>
        <translation>Pression atmosphérique</translation>
    </message>
    <message>
        <source>Local atmospheric pressure.</source>
        <translation>Pression atmosphérique du lieu.</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Local elevation above sea level.</source>
        <translation>Altitude du lieu au-dessus du niveau de la mer.</translation>
    </message>
    <message>
        <source>Moisture Concentration</source>
        <translation>Concentration en eau</translation>
    </message>
    <message>
        <source>Water vapor content of the air in parts per million.</source>
        <translation>Teneur de l&apos;air en vapeur d&apos;eau en parties par million.</translation>
    </message>
    <message>
        <source>Input: typed when its check box is ticked, otherwise computed from the two ticked inputs.</source>
        <translation>Entrée&#xa0;: saisie quand sa case est cochée, sinon calculée à partir des deux entrées cochées.</translation>
    </message>
    <message>
        <source>Result, computed from the two ticked inputs.</source>
        <translation>Résultat, calculé à partir des deux entrées cochées.</translation>
    </message>
    <message>
        <source>Pressure entry: typed when its option button is selected, otherwise computed from the other pressure entry.</source>
        <translation>Donnée de pression&#xa0;: saisie quand son bouton d&apos;option est choisi, sinon calculée à partir de l&apos;autre donnée de pression.</translation>
    </message>
    <message>
        <source>Computes the properties of moist air from two inputs at a given atmospheric pressure or altitude. Tab moves through the entries and buttons; the Up and Down arrows move from field to field, results included; Ctrl+Plus and Ctrl+Minus show more or fewer decimal places in the field that has the focus.</source>
        <translation>Calcule les propriétés de l&apos;air humide à partir de deux entrées, à une pression atmosphérique ou une altitude donnée. Tab parcourt les entrées et les boutons&#xa0;; les flèches haut et bas vont de champ en champ, résultats compris&#xa0;; Ctrl+Plus et Ctrl+Moins affichent plus ou moins de décimales dans le champ qui a le focus.</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Unité de %1</translation>
    </message>
    <message>
        <source>%1. Ticked, the %2 field takes a typed value.</source>
        <translation>%1. Cochée, le champ %2 prend une valeur saisie.</translation>
    </message>
    <message>
        <source>Enter the local atmospheric pressure directly; the altitude follows from it.</source>
        <translation>Saisir directement la pression atmosphérique du lieu&#xa0;; l&apos;altitude en découle.</translation>
    </message>
    <message>
        <source>Enter the local elevation; the atmospheric pressure follows from it.</source>
        <translation>Saisir l&apos;altitude du lieu&#xa0;; la pression atmosphérique en découle.</translation>
    </message>
    <message>
        <source>Shows every field in inch-pound units.</source>
        <translation>Affiche chaque champ en unités anglo-saxonnes.</translation>
    </message>
    <message>
        <source>Shows every field in metric (SI) units.</source>
        <translation>Affiche chaque champ en unités métriques (SI).</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clears the inputs and the results.</source>
        <translation>Efface les entrées et les résultats.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Computes every property from the two ticked inputs.</source>
        <translation>Calcule chaque propriété à partir des deux entrées cochées.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Hides the calculator window; the tray icon brings it back.</source>
        <translation>Masque la fenêtre de la calculatrice&#xa0;; l&apos;icône de la zone de notification la ramène.</translation>
    </message>
    <message>
        <source>More Digits</source>
        <translation>Plus de décimales</translation>
    </message>
    <message>
        <source>Shows one more decimal place in the field last left.</source>
        <translation>Affiche une décimale de plus dans le dernier champ quitté.</translation>
    </message>
    <message>
        <source>Less Digits</source>
        <translation>Moins de décimales</translation>
    </message>
    <message>
        <source>Shows one decimal place less in the field last left.</source>
        <translation>Affiche une décimale de moins dans le dernier champ quitté.</translation>
    </message>
    <message>
        <source>Vaporwright on the web</source>
        <translation>Vaporwright sur le Web</translation>
    </message>
    <message>
        <source>Website link: opens the maker&apos;s website in the browser. Space opens it.</source>
        <translation>Lien vers le site&#xa0;: ouvre le site de l&apos;éditeur dans le navigateur. La barre d&apos;espace l&apos;ouvre.</translation>
    </message>
    <message>
        <source>Unit System and Digits</source>
        <translation>Système d&apos;unités et décimales</translation>
    </message>
    <message>
        <source>Chooses the unit system and the number of decimal places shown.</source>
        <translation>Choisit le système d&apos;unités et le nombre de décimales affichées.</translation>
    </message>
    <message>
        <source>The local pressure, given directly or through the altitude.</source>
        <translation>La pression du lieu, donnée directement ou par l&apos;altitude.</translation>
    </message>
    <message>
        <source>Select Input and Compute Results</source>
        <translation>Choisir les entrées et calculer les résultats</translation>
    </message>
    <message>
        <source>Tick two inputs, type their values, and every other property is computed.</source>
        <translation>Cochez deux entrées, saisissez leurs valeurs, et toutes les autres propriétés sont calculées.</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>Why the results are empty, when they are; read out as it changes.</source>
        <translation>Pourquoi les résultats sont vides, quand ils le sont&#xa0;; lu à chaque changement.</translation>
    </message>
    <message>
        <source>In percent.</source>
        <translation>En pour cent.</translation>
    </message>
    <message>
        <source>The unit is chosen in the list beside it.</source>
        <translation>L&apos;unité se choisit dans la liste à côté.</translation>
    </message>
    <message>
        <source>In %1; the unit is chosen in the list beside it.</source>
        <translation>En %1&#xa0;; l&apos;unité se choisit dans la liste à côté.</translation>
    </message>
    <message>
        <source>Unit of the %1 field, now %2; choosing another unit shows the value converted to it.</source>
        <translation>Unité du champ %1, actuellement %2&#xa0;; choisir une autre unité affiche la valeur convertie.</translation>
    </message>
    <message>
        <source>Unit of the %1 field; choosing another unit shows the value converted to it.</source>
        <translation>Unité du champ %1&#xa0;; choisir une autre unité affiche la valeur convertie.</translation>
    </message>
    <message>
        <source>Psychrometric Calculations:  ASHRAE Formulation</source>
        <translation>Calculs psychrométriques&#xa0;:  formules de l&apos;ASHRAE</translation>
    </message>
    <message>
        <source>Dew Point Temperature:</source>
        <translation>Température de rosée&#xa0;:</translation>
    </message>
    <message>
        <source>Vapor Pressure:</source>
        <translation>Pression de vapeur&#xa0;:</translation>
    </message>
    <message>
        <source>Degree of Saturation:</source>
        <translation>Degré de saturation&#xa0;:</translation>
    </message>
    <message>
        <source>Specific Volume:</source>
        <translation>Volume spécifique&#xa0;:</translation>
    </message>
    <message>
        <source>Moist Air Density:</source>
        <translation>Masse volumique de l&apos;air humide&#xa0;:</translation>
    </message>
    <message>
        <source>Absolute Humidity:</source>
        <translation>Humidité absolue&#xa0;:</translation>
    </message>
    <message>
        <source>Moisture Concentration:</source>
        <translation>Concentration en eau&#xa0;:</translation>
    </message>
    <message>
        <source>Dry Bulb Temperature:</source>
        <translation>Température sèche&#xa0;:</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature:</source>
        <translation>Température humide&#xa0;:</translation>
    </message>
    <message>
        <source>Relative Humidity:</source>
        <translation>Humidité relative&#xa0;:</translation>
    </message>
    <message>
        <source>Humidity Ratio:</source>
        <translation>Teneur en eau&#xa0;:</translation>
    </message>
    <message>
        <source>Enthalpy:</source>
        <translation>Enthalpie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;IP Engineering Units</source>
        <translation>Unités &amp;IP</translation>
    </message>
    <message>
        <source>&amp;SI Engineering Units</source>
        <translation>Unités &amp;SI</translation>
    </message>
    <message>
        <source>Imperial Units of Measurement</source>
        <translation>Unités de mesure anglo-saxonnes</translation>
    </message>
    <message>
        <source>Systema International Units of Meaurement</source>
        <translation>Unités du Système international</translation>
    </message>
    <message>
        <source>Display More Digits</source>
        <translation>Afficher plus de décimales</translation>
    </message>
    <message>
        <source>Display Less Digits</source>
        <translation>Afficher moins de décimales</translation>
    </message>
    <message>
        <source>&amp;Atmospheric Pressure:</source>
        <translation>&amp;Pression atmosphérique&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>Al&amp;titude&#xa0;:</translation>
    </message>
    <message>
        <source>Select to Directly enter the Local Atmospheric Pressure</source>
        <translation>Choisir pour saisir directement la pression atmosphérique du lieu</translation>
    </message>
    <message>
        <source>Select to enter the Local Elevation to Compute Atmospheric  Pressure</source>
        <translation>Choisir pour saisir l&apos;altitude du lieu et en calculer la pression atmosphérique</translation>
    </message>
    <message>
        <source>Select 2 of the 5 Inputs to Compute Properties</source>
        <translation>Choisissez 2 des 5 entrées pour calculer les propriétés</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>Clear the Input and Calculations</source>
        <translation>Effacer les entrées et les calculs</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>Ca&amp;lculer</translation>
    </message>
    <message>
        <source>Compute Properties</source>
        <translation>Calculer les propriétés</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>Website Link</source>
        <translation>Lien vers le site</translation>
    </message>
    <message>
        <source>Visit our website for updates, help and other engineering tools.</source>
        <translation>Visitez notre site pour les mises à jour, l&apos;aide et d&apos;autres outils d&apos;ingénierie.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Keep Calculator on Top</source>
        <translation>Calculatrice toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;View Disclaimer</source>
        <translation>&amp;Voir l&apos;avertissement</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Psychrometric &amp;Chart</source>
        <translation>&amp;Diagramme psychrométrique</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Vaporwright</translation>
    </message>
    <message>
        <source>&amp;Open Vaporwright</source>
        <translation>&amp;Ouvrir Vaporwright</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>frmReadDisclaimer</name>
    <message>
        <source>&amp;Read the Disclaimer</source>
        <translation>&amp;Lire l&apos;avertissement</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>J&apos;ai lu l&apos;avertissement et je&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>Je &amp;refuse</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>J&apos;a&amp;ccepte</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>Ne plus afficher au démarrage</translation>
    </message>
    <message>
        <source>Vaporwright:  READ THE DISCLAIMER</source>
        <translation>Vaporwright&#xa0;:  LISEZ L&apos;AVERTISSEMENT</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The language of the interface for this run: %1, or System for the system&apos;s. View &gt; Language chooses it for every run.</source>
        <translation>La langue de l&apos;interface pour cette exécution&#xa0;: %1, ou System pour celle du système. Affichage &gt; Langue la choisit pour toutes les exécutions.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot; for --lang; choose one of %2, or System.</source>
        <translation>Langue «&#xa0;%1&#xa0;» inconnue pour --lang&#xa0;; choisissez parmi %2, ou System.</translation>
    </message>
    <message>
        <source>A calculator of the properties of moist air, with a psychrometric chart.</source>
        <translation>Une calculatrice des propriétés de l&apos;air humide, avec un diagramme psychrométrique.</translation>
    </message>
    <message>
        <source>A project file (.vwproj) to open in the chart window.</source>
        <translation>Un fichier de projet (.vwproj) à ouvrir dans la fenêtre du diagramme.</translation>
    </message>
    <message>
        <source>project</source>
        <translation>projet</translation>
    </message>
    <message>
        <source>[project]</source>
        <translation>[projet]</translation>
    </message>
</context>
<context>
    <name>processes::Problem</name>
    <message>
        <source>The dry bulb lies outside -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>La température sèche sort de -148 °F à 400 °F (-100 °C à 204,4 °C).</translation>
    </message>
    <message>
        <source>The humidity ratio is below zero.</source>
        <translation>La teneur en eau est inférieure à zéro.</translation>
    </message>
    <message>
        <source>The point holds more water than saturated air: it is fog, not air.</source>
        <translation>Le point contient plus d&apos;eau que l&apos;air saturé&#xa0;: c&apos;est du brouillard, pas de l&apos;air.</translation>
    </message>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>La pression atmosphérique doit être supérieure à zéro et d&apos;au plus dix atmosphères.</translation>
    </message>
    <message>
        <source>The two points are the same air.</source>
        <translation>Les deux points sont le même air.</translation>
    </message>
    <message>
        <source>The two points are at different atmospheric pressures.</source>
        <translation>Les deux points sont à des pressions atmosphériques différentes.</translation>
    </message>
    <message>
        <source>The airflow must be greater than zero.</source>
        <translation>Le débit d&apos;air doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The process line does not meet the saturation curve below the leaving air.</source>
        <translation>La droite d&apos;évolution ne rencontre pas la courbe de saturation au-dessous de l&apos;air sortant.</translation>
    </message>
    <message>
        <source>The apparatus dew point must lie below the entering air&apos;s dry bulb and no higher than its dew point.</source>
        <translation>Le point de rosée de l&apos;appareil doit être inférieur à la température sèche de l&apos;air entrant et au plus égal à son point de rosée.</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>Le facteur de bipasse doit être d&apos;au moins 0 et inférieur à 1.</translation>
    </message>
    <message>
        <source>The line from the entering air to the apparatus dew point passes through fog: the apparatus dew point is too low for this air.</source>
        <translation>La droite de l&apos;air entrant au point de rosée de l&apos;appareil traverse le brouillard&#xa0;: ce point de rosée est trop bas pour cet air.</translation>
    </message>
    <message>
        <source>The PMV model takes 0.8 to 4 met, 0 to 2 clo and an air speed of 0 to 1 m/s.</source>
        <translation>Le modèle PMV admet 0,8 à 4 met, 0 à 2 clo et une vitesse d&apos;air de 0 à 1 m/s.</translation>
    </message>
    <message>
        <source>The PMV model applies only from 50 °F to 86 °F (10 °C to 30 °C) with a vapour pressure of at most 2.7 kPa.</source>
        <translation>Le modèle PMV ne s&apos;applique que de 50 °F à 86 °F (10 °C à 30 °C) avec une pression de vapeur d&apos;au plus 2,7 kPa.</translation>
    </message>
    <message>
        <source>The zone has no limits.</source>
        <translation>La zone n&apos;a pas de limites.</translation>
    </message>
    <message>
        <source>A lower limit of the zone lies above its upper limit, or outside the range of real air.</source>
        <translation>Une limite basse de la zone dépasse sa limite haute, ou sort du domaine de l&apos;air réel.</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>L&apos;air ne peut pas être calculé.</translation>
    </message>
</context>
<context>
    <name>processes::Process</name>
    <message>
        <source>Sensible heating</source>
        <translation>Chauffage sensible</translation>
    </message>
    <message>
        <source>Sensible cooling</source>
        <translation>Refroidissement sensible</translation>
    </message>
    <message>
        <source>Cooling and dehumidifying</source>
        <translation>Refroidissement et déshumidification</translation>
    </message>
    <message>
        <source>Dehumidifying</source>
        <translation>Déshumidification</translation>
    </message>
    <message>
        <source>Heating and dehumidifying</source>
        <translation>Chauffage et déshumidification</translation>
    </message>
    <message>
        <source>Desiccant (adiabatic) dehumidifying</source>
        <translation>Déshumidification par dessiccant (adiabatique)</translation>
    </message>
    <message>
        <source>Evaporative (adiabatic) humidification</source>
        <translation>Humidification par évaporation (adiabatique)</translation>
    </message>
    <message>
        <source>Steam humidification</source>
        <translation>Humidification à la vapeur</translation>
    </message>
    <message>
        <source>Heating and humidifying</source>
        <translation>Chauffage et humidification</translation>
    </message>
    <message>
        <source>Cooling and humidifying</source>
        <translation>Refroidissement et humidification</translation>
    </message>
</context>
<context>
    <name>project::Definition</name>
    <message>
        <source>dry bulb</source>
        <translation>température sèche</translation>
    </message>
    <message>
        <source>The dry bulb is not a number.</source>
        <translation>La température sèche n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>température humide</translation>
    </message>
    <message>
        <source>The wet bulb is not a number.</source>
        <translation>La température humide n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humidité relative</translation>
    </message>
    <message>
        <source>The relative humidity is not a number.</source>
        <translation>L&apos;humidité relative n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>teneur en eau</translation>
    </message>
    <message>
        <source>The humidity ratio is not a number.</source>
        <translation>La teneur en eau n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>enthalpie</translation>
    </message>
    <message>
        <source>The enthalpy is not a number.</source>
        <translation>L&apos;enthalpie n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>point de rosée</translation>
    </message>
    <message>
        <source>The dew point is not a number.</source>
        <translation>Le point de rosée n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>A point needs two different properties; %1 is given twice.</source>
        <translation>Un point a besoin de deux grandeurs différentes&#xa0;; %1 est donnée deux fois.</translation>
    </message>
    <message>
        <source>Dew point and humidity ratio both fix the water in the air at a given pressure; pair either with another property.</source>
        <translation>Le point de rosée et la teneur en eau fixent tous deux l&apos;eau contenue dans l&apos;air à pression donnée&#xa0;; associez l&apos;un ou l&apos;autre à une autre grandeur.</translation>
    </message>
</context>
<context>
    <name>project::Edits</name>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>Le point %1 n&apos;est pas de l&apos;air réel&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>Ce point n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The calculator&apos;s state names no unit system.</source>
        <translation>L&apos;état du calculateur ne nomme aucun système d&apos;unités.</translation>
    </message>
    <message>
        <source>Perfectly dry air has no dew point to define a point by.</source>
        <translation>L&apos;air parfaitement sec n&apos;a pas de point de rosée pour définir un point.</translation>
    </message>
    <message>
        <source>The calculator&apos;s state cannot be taken over.</source>
        <translation>L&apos;état du calculateur ne peut pas être repris.</translation>
    </message>
    <message>
        <source>Point %1 has no airflow to mix.</source>
        <translation>Le point %1 n&apos;a pas de débit d&apos;air à mélanger.</translation>
    </message>
</context>
<context>
    <name>project::Project</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>Ce point n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Rename point %1 to %2</source>
        <translation>Renommer le point %1 en %2</translation>
    </message>
    <message>
        <source>Edit point %1</source>
        <translation>Modifier le point %1</translation>
    </message>
    <message>
        <source>Move point %1</source>
        <translation>Déplacer le point %1</translation>
    </message>
    <message>
        <source>Airflow of point %1</source>
        <translation>Débit d&apos;air du point %1</translation>
    </message>
    <message>
        <source>Add coil to point %1</source>
        <translation>Ajouter une batterie au point %1</translation>
    </message>
    <message>
        <source>Mix %1 and %2</source>
        <translation>Mélanger %1 et %2</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>Le projet n&apos;a pas de centrale de traitement d&apos;air.</translation>
    </message>
    <message>
        <source>Add point %1</source>
        <translation>Ajouter le point %1</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>Supprimer le point %1</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>Ajouter une évolution</translation>
    </message>
    <message>
        <source>Delete process</source>
        <translation>Supprimer l&apos;évolution</translation>
    </message>
    <message>
        <source>Add mixture</source>
        <translation>Ajouter un mélange</translation>
    </message>
    <message>
        <source>Delete mixture</source>
        <translation>Supprimer le mélange</translation>
    </message>
    <message>
        <source>Change zones</source>
        <translation>Modifier les zones</translation>
    </message>
    <message>
        <source>Change pressure or units</source>
        <translation>Modifier la pression ou les unités</translation>
    </message>
    <message>
        <source>Change air handler</source>
        <translation>Modifier la centrale de traitement d&apos;air</translation>
    </message>
</context>
<context>
    <name>project::ProjectData</name>
    <message>
        <source>A point needs a name.</source>
        <translation>Un point a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>A point&apos;s name can be at most %1 characters long.</source>
        <translation>Le nom d&apos;un point ne peut dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>A point&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>Le nom d&apos;un point ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>There is a point named %1 already.</source>
        <translation>Il existe déjà un point nommé %1.</translation>
    </message>
    <message>
        <source>%1 to %2 is a process already.</source>
        <translation>%1 vers %2 est déjà une évolution.</translation>
    </message>
    <message>
        <source>Point %1 cannot be mixed from itself.</source>
        <translation>Le point %1 ne peut pas être mélangé à partir de lui-même.</translation>
    </message>
    <message>
        <source>Point %1 is the mixture of two other points already.</source>
        <translation>Le point %1 est déjà le mélange de deux autres points.</translation>
    </message>
    <message>
        <source>Comfort zone: %1</source>
        <translation>Zone de confort&#xa0;: %1</translation>
    </message>
    <message>
        <source>A zone needs a name.</source>
        <translation>Une zone a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>A zone&apos;s name can be at most %1 characters long.</source>
        <translation>Le nom d&apos;une zone ne peut dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>A zone&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>Le nom d&apos;une zone ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The airflow is not a number.</source>
        <translation>Le débit d&apos;air n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>project::ProjectFile</name>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Le fichier de projet est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Le fichier de projet est endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This project was saved by a newer version of Vaporwright (file version %1); this version reads version %2.</source>
        <translation>Ce projet a été enregistré par une version plus récente de Vaporwright (version de fichier %1)&#xa0;; cette version lit la version %2.</translation>
    </message>
    <message>
        <source>The project file&apos;s version is not one Vaporwright reads; this version reads version %1.</source>
        <translation>La version du fichier de projet n&apos;est pas une version que Vaporwright lit&#xa0;; cette version lit la version %1.</translation>
    </message>
    <message>
        <source>This is not a project file: %1.</source>
        <translation>Ce n&apos;est pas un fichier de projet&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This is not a Vaporwright project file.</source>
        <translation>Ce n&apos;est pas un fichier de projet Vaporwright.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a project file.</source>
        <translation>%1 est trop volumineux pour être un fichier de projet.</translation>
    </message>
</context>
<context>
    <name>weather::Columns</name>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3).</source>
        <translation>Colonne «&#xa0;%1&#xa0;»&#xa0;: pas d&apos;unité de ce nom pour %2 (unités&#xa0;: %3).</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3)</source>
        <translation>Colonne «&#xa0;%1&#xa0;»&#xa0;: pas d&apos;unité de ce nom pour %2 (unités&#xa0;: %3)</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4.</source>
        <translation>La colonne «&#xa0;%1&#xa0;» ne donne pas d&apos;unité&#xa0;; nommez-la avec une des unités de %2 (%3), comme %2_%4.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4</source>
        <translation>La colonne «&#xa0;%1&#xa0;» ne donne pas d&apos;unité&#xa0;; nommez-la avec une des unités de %2 (%3), comme %2_%4</translation>
    </message>
</context>
<context>
    <name>weather::Report</name>
    <message>
        <source>line longer than 16 MiB</source>
        <translation>ligne de plus de 16 Mio</translation>
    </message>
    <message>
        <source>wrong number of fields</source>
        <translation>nombre de champs erroné</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>une valeur qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>no such date or hour</source>
        <translation>date ou heure inexistante</translation>
    </message>
    <message>
        <source>leap day (29 February)</source>
        <translation>jour bissextile (29 février)</translation>
    </message>
    <message>
        <source>hour already read</source>
        <translation>heure déjà lue</translation>
    </message>
    <message>
        <source>missing dry bulb</source>
        <translation>température sèche manquante</translation>
    </message>
    <message>
        <source>dry bulb out of range</source>
        <translation>température sèche hors plage</translation>
    </message>
    <message>
        <source>missing station pressure</source>
        <translation>pression à la station manquante</translation>
    </message>
    <message>
        <source>station pressure out of range</source>
        <translation>pression à la station hors plage</translation>
    </message>
    <message>
        <source>missing dew point</source>
        <translation>point de rosée manquant</translation>
    </message>
    <message>
        <source>dew point out of range</source>
        <translation>point de rosée hors plage</translation>
    </message>
    <message>
        <source>missing relative humidity</source>
        <translation>humidité relative manquante</translation>
    </message>
    <message>
        <source>relative humidity out of range</source>
        <translation>humidité relative hors plage</translation>
    </message>
    <message>
        <source>missing wet bulb</source>
        <translation>température humide manquante</translation>
    </message>
    <message>
        <source>wet bulb out of range</source>
        <translation>température humide hors plage</translation>
    </message>
    <message>
        <source>missing humidity ratio</source>
        <translation>teneur en eau manquante</translation>
    </message>
    <message>
        <source>humidity ratio out of range</source>
        <translation>teneur en eau hors plage</translation>
    </message>
    <message>
        <source>humidity above saturation</source>
        <translation>humidité au-delà de la saturation</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Le fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file but a pipe, a socket or a device.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire mais un tube, un socket ou un périphérique.</translation>
    </message>
    <message>
        <source>Permission to read the file is denied.</source>
        <translation>La permission de lire le fichier est refusée.</translation>
    </message>
    <message>
        <source>The file could not be read to its end.</source>
        <translation>Le fichier n&apos;a pas pu être lu jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is not an EnergyPlus weather file: it does not begin with LOCATION.</source>
        <translation>Le fichier n&apos;est pas un fichier météo EnergyPlus&#xa0;: il ne commence pas par LOCATION.</translation>
    </message>
    <message>
        <source>The file ends inside its header.</source>
        <translation>Le fichier se termine dans son en-tête.</translation>
    </message>
    <message>
        <source>A line of the file&apos;s header is longer than 16 MiB.</source>
        <translation>Une ligne de l&apos;en-tête du fichier dépasse 16 Mio.</translation>
    </message>
    <message>
        <source>The header has more than 16384 columns.</source>
        <translation>L&apos;en-tête a plus de 16384 colonnes.</translation>
    </message>
    <message>
        <source>No column is named timestamp, time, date or datetime.</source>
        <translation>Aucune colonne ne s&apos;appelle timestamp, time, date ou datetime.</translation>
    </message>
    <message>
        <source>No dry bulb column with its unit, such as dry_bulb_C.</source>
        <translation>Aucune colonne de température sèche avec son unité, comme dry_bulb_C.</translation>
    </message>
    <message>
        <source>No humidity column with its unit, such as relative_humidity_pct, dew_point_C, wet_bulb_C or humidity_ratio_g/kg.</source>
        <translation>Aucune colonne d&apos;humidité avec son unité, comme relative_humidity_pct, dew_point_C, wet_bulb_C ou humidity_ratio_g/kg.</translation>
    </message>
    <message>
        <source>More than one humidity column: keep one of relative humidity, dew point, wet bulb and humidity ratio.</source>
        <translation>Plus d&apos;une colonne d&apos;humidité&#xa0;: gardez-en une parmi humidité relative, point de rosée, température humide et teneur en eau.</translation>
    </message>
    <message>
        <source>More than one pressure or altitude column: keep one.</source>
        <translation>Plus d&apos;une colonne de pression ou d&apos;altitude&#xa0;: gardez-en une.</translation>
    </message>
    <message>
        <source>A column names a quantity without a unit the program reads, such as pressure_kPa or altitude_m.</source>
        <translation>Une colonne nomme une grandeur sans une unité que le programme lit, comme pressure_kPa ou altitude_m.</translation>
    </message>
</context>
<context>
    <name>weather::Site</name>
    <message>
        <source>The site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19812 m): the chart is drawn for the median station pressure of the file.</source>
        <translation>L&apos;altitude du site sort du domaine du polynôme d&apos;altitude (-609,6 m à 19812 m)&#xa0;: le diagramme est tracé pour la pression médiane à la station du fichier.</translation>
    </message>
    <message>
        <source>The file gives no elevation: the chart is drawn for the median station pressure of the file.</source>
        <translation>Le fichier ne donne pas d&apos;altitude&#xa0;: le diagramme est tracé pour la pression médiane à la station du fichier.</translation>
    </message>
</context>
</TS>
