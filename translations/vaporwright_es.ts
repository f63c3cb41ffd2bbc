<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>ContextIDs</name>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar la ayuda. Este proyecto no tiene ayuda asociada.</translation>
    </message>
</context>
<context>
    <name>ContextIDs::HelpWindow</name>
    <message>
        <source>Vaporwright Help</source>
        <translation>Ayuda de Vaporwright</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Cannot open the help file %1: %2</source>
        <translation>No se puede abrir el archivo de ayuda %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the help file %1: %2</source>
        <translation>No se puede leer el archivo de ayuda %1: %2</translation>
    </message>
</context>
<context>
    <name>Credit</name>
    <message>
        <source>Vaporwright Credit Screen</source>
        <translation>Vaporwright – Créditos</translation>
    </message>
    <message>
        <source>Vaporwright was written by Tobias R. Quenneville (Dunmore Tollis Software).
Dedicated to Margit Elsholz, Anselm Okafor and Rosalind Thwaite.

Thank you all for your patience during the development of this software.</source>
        <translation>Vaporwright fue escrito por Tobias R. Quenneville (Dunmore Tollis Software).
Dedicado a Margit Elsholz, Anselm Okafor y Rosalind Thwaite.

Gracias a todos por su paciencia durante el desarrollo de este programa.</translation>
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
        <translation>Se muestra mientras Vaporwright arranca; se cierra solo.</translation>
    </message>
    <message>
        <source>Vaporwright emblem</source>
        <translation>Emblema de Vaporwright</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes the About window.</source>
        <translation>Cierra la ventana «Acerca de».</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Starts the system&apos;s information tool to show the computer&apos;s hardware and software.</source>
        <translation>Inicia la herramienta de información del sistema, que muestra el hardware y el software del equipo.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>The disclaimer of Vaporwright, to read; it cannot be edited.</source>
        <translation>El aviso legal de Vaporwright, para leer; no se puede editar.</translation>
    </message>
    <message>
        <source>Closes the disclaimer.</source>
        <translation>Cierra el aviso legal.</translation>
    </message>
    <message>
        <source>Read the Disclaimer</source>
        <translation>Leer el aviso legal</translation>
    </message>
    <message>
        <source>Opens the text of the disclaimer.</source>
        <translation>Abre el texto del aviso legal.</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>He leído el aviso legal y:</translation>
    </message>
    <message>
        <source>Agree or disagree with the disclaimer.</source>
        <translation>Aceptar o rechazar el aviso legal.</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Rechazo</translation>
    </message>
    <message>
        <source>Disagrees with the disclaimer and ends Vaporwright.</source>
        <translation>Rechaza el aviso legal y cierra Vaporwright.</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Acepto</translation>
    </message>
    <message>
        <source>Agrees with the disclaimer and goes on to the calculator.</source>
        <translation>Acepta el aviso legal y pasa a la calculadora.</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>No mostrar al iniciar</translation>
    </message>
    <message>
        <source>Ticked, this prompt is not shown when Vaporwright starts; the File menu of the calculator still shows it.</source>
        <translation>Marcada, esta pregunta no aparece al iniciar Vaporwright; el menú Archivo de la calculadora la sigue mostrando.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Words to find; the list below shows the help topics that contain them all.</source>
        <translation>Palabras que buscar; la lista de abajo muestra los temas de ayuda que las contienen todas.</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Enter or a click shows the chosen topic beside the list.</source>
        <translation>Intro o un clic muestra el tema elegido junto a la lista.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>The text of Vaporwright&apos;s help; links lead to other topics.</source>
        <translation>El texto de la ayuda de Vaporwright; los enlaces llevan a otros temas.</translation>
    </message>
</context>
<context>
    <name>RealAir</name>
    <message>
        <source>No such air: no state has these two inputs</source>
        <translation>Aire imposible: ningún estado tiene estas dos entradas</translation>
    </message>
    <message>
        <source>Could not solve these two inputs for the dry bulb</source>
        <translation>No se pudo obtener la temperatura de bulbo seco de estas dos entradas</translation>
    </message>
    <message>
        <source>No state: relative humidity 0 with humidity ratio 0 fixes no dry bulb</source>
        <translation>Ningún estado: humedad relativa 0 con relación de humedad 0 no fija ninguna temperatura de bulbo seco</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is below %1</source>
        <translation>Aire imposible: el bulbo seco está por debajo de %1</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is above %1</source>
        <translation>Aire imposible: el bulbo seco está por encima de %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is below %1</source>
        <translation>Aire imposible: el bulbo húmedo está por debajo de %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above %1</source>
        <translation>Aire imposible: el bulbo húmedo está por encima de %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is below %1</source>
        <translation>Aire imposible: el punto de rocío está por debajo de %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is above %1</source>
        <translation>Aire imposible: el punto de rocío está por encima de %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above the dry bulb</source>
        <translation>Aire imposible: el bulbo húmedo está por encima del bulbo seco</translation>
    </message>
    <message>
        <source>No such air: the humidity ratio is below zero</source>
        <translation>Aire imposible: la relación de humedad es menor que cero</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is below 0 %</source>
        <translation>Aire imposible: la humedad relativa está por debajo del 0 %</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is above %1 %</source>
        <translation>Aire imposible: la humedad relativa está por encima del %1 %</translation>
    </message>
    <message>
        <source>No such air: the vapor pressure reaches the atmospheric pressure</source>
        <translation>Aire imposible: la presión de vapor alcanza la presión atmosférica</translation>
    </message>
    <message>
        <source>No such air: the specific volume is not positive</source>
        <translation>Aire imposible: el volumen específico no es positivo</translation>
    </message>
    <message>
        <source>No such air: a property is outside the range of the formulation</source>
        <translation>Aire imposible: una propiedad está fuera del rango de validez de las fórmulas</translation>
    </message>
    <message>
        <source>Atmospheric pressure at or below zero</source>
        <translation>Presión atmosférica nula o negativa</translation>
    </message>
    <message>
        <source>Atmospheric pressure beyond %1</source>
        <translation>Presión atmosférica por encima de %1</translation>
    </message>
    <message>
        <source>Altitude below %1</source>
        <translation>Altitud por debajo de %1</translation>
    </message>
    <message>
        <source>Altitude beyond %1</source>
        <translation>Altitud por encima de %1</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot; as a number</source>
        <translation>No se pudo leer «%1» como número</translation>
    </message>
    <message>
        <source>Could not store &quot;%1&quot;: the number is too large</source>
        <translation>No se pudo guardar «%1»: el número es demasiado grande</translation>
    </message>
</context>
<context>
    <name>VersionInfo</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Psychrometric calculator for moist air, ASHRAE formulation</source>
        <translation>Calculadora psicrométrica del aire húmedo, fórmulas de ASHRAE</translation>
    </message>
    <message>
        <source>Copyright (C) 2023-2025 Dunmore Tollis Software. All rights reserved.</source>
        <translation>Copyright (C) 2023-2025 Dunmore Tollis Software. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Its results are engineering estimates; check them before you rely on them for design or operation.</source>
        <translation>Advertencia: este programa está protegido por las leyes de derechos de autor. Sus resultados son estimaciones de ingeniería; compruébelos antes de confiar en ellos para el diseño o la operación.</translation>
    </message>
</context>
<context>
    <name>airhandler</name>
    <message>
        <source>Component</source>
        <translation>Componente</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Entering dry bulb</source>
        <translation>Bulbo seco de entrada</translation>
    </message>
    <message>
        <source>Entering humidity ratio</source>
        <translation>Relación de humedad de entrada</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>Bulbo seco de salida</translation>
    </message>
    <message>
        <source>Leaving humidity ratio</source>
        <translation>Relación de humedad de salida</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>Aire seco</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
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
        <translation>Total</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>Aire exterior</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>Aire de retorno</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>Aire mezclado</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Aire de impulsión</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>Aire de expulsión</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>Aire del local</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>Cargas del local</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refrigeración</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Calefacción</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Régimen</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>Carga sensible del local</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>Carga latente del local</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Factor de calor sensible del local</translation>
    </message>
    <message>
        <source>Room dry bulb</source>
        <translation>Bulbo seco del local</translation>
    </message>
    <message>
        <source>Room humidity ratio</source>
        <translation>Relación de humedad del local</translation>
    </message>
    <message>
        <source>Room enthalpy</source>
        <translation>Entalpía del local</translation>
    </message>
    <message>
        <source>Supply dry bulb</source>
        <translation>Bulbo seco de impulsión</translation>
    </message>
    <message>
        <source>Supply humidity ratio</source>
        <translation>Relación de humedad de impulsión</translation>
    </message>
    <message>
        <source>Supply relative humidity</source>
        <translation>Humedad relativa de impulsión</translation>
    </message>
    <message>
        <source>Supply enthalpy</source>
        <translation>Entalpía de impulsión</translation>
    </message>
    <message>
        <source>Supply airflow</source>
        <translation>Caudal de impulsión</translation>
    </message>
    <message>
        <source>Supply dry air</source>
        <translation>Aire seco de impulsión</translation>
    </message>
    <message>
        <source>Outdoor dry bulb</source>
        <translation>Bulbo seco exterior</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio</source>
        <translation>Relación de humedad exterior</translation>
    </message>
    <message>
        <source>Outdoor enthalpy</source>
        <translation>Entalpía exterior</translation>
    </message>
    <message>
        <source>Outdoor air share</source>
        <translation>Fracción de aire exterior</translation>
    </message>
    <message>
        <source>Outdoor airflow</source>
        <translation>Caudal de aire exterior</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>Economizador</translation>
    </message>
    <message>
        <source>Mixed air dry bulb</source>
        <translation>Bulbo seco del aire mezclado</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio</source>
        <translation>Relación de humedad del aire mezclado</translation>
    </message>
    <message>
        <source>Mixed air enthalpy</source>
        <translation>Entalpía del aire mezclado</translation>
    </message>
    <message>
        <source>Cooling, sensible</source>
        <translation>Refrigeración, sensible</translation>
    </message>
    <message>
        <source>Cooling, latent</source>
        <translation>Refrigeración, latente</translation>
    </message>
    <message>
        <source>Steam heat</source>
        <translation>Calor del vapor</translation>
    </message>
    <message>
        <source>Fan heat</source>
        <translation>Calor del ventilador</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air</source>
        <translation>Calor recuperado en el aire exterior</translation>
    </message>
    <message>
        <source>Humidifier water</source>
        <translation>Agua del humectador</translation>
    </message>
    <message>
        <source>Condensate</source>
        <translation>Condensado</translation>
    </message>
    <message>
        <source>Room sensible load delivered</source>
        <translation>Carga sensible del local cubierta</translation>
    </message>
    <message>
        <source>Room latent load delivered</source>
        <translation>Carga latente del local cubierta</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>Cargas del local cubiertas con un 1 %</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>El aire que sale de la cadena no alcanza el aire de impulsión.</translation>
    </message>
    <message>
        <source>, exhaust side</source>
        <translation>, lado de expulsión</translation>
    </message>
</context>
<context>
    <name>airhandler::Component</name>
    <message>
        <source>Heat-recovery wheel</source>
        <translation>Rueda de recuperación de calor</translation>
    </message>
    <message>
        <source>Heat-recovery plate</source>
        <translation>Recuperador de placas</translation>
    </message>
    <message>
        <source>Mixing box</source>
        <translation>Caja de mezcla</translation>
    </message>
    <message>
        <source>Preheat coil</source>
        <translation>Batería de precalentamiento</translation>
    </message>
    <message>
        <source>Reheat coil</source>
        <translation>Batería de recalentamiento</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>Batería de frío</translation>
    </message>
    <message>
        <source>Supply fan</source>
        <translation>Ventilador de impulsión</translation>
    </message>
    <message>
        <source>Steam humidifier</source>
        <translation>Humectador de vapor</translation>
    </message>
    <message>
        <source>Adiabatic humidifier</source>
        <translation>Humectador adiabático</translation>
    </message>
</context>
<context>
    <name>airhandler::Economizer</name>
    <message>
        <source>No economizer: minimum outdoor air.</source>
        <translation>Sin economizador: aire exterior mínimo.</translation>
    </message>
    <message>
        <source>Heating: the economizer keeps the minimum outdoor air.</source>
        <translation>Calefacción: el economizador mantiene el aire exterior mínimo.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>La temperatura seca exterior es inferior a la del aire de retorno: aire exterior por encima del mínimo.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>La temperatura seca exterior no es inferior a la del aire de retorno: aire exterior mínimo.</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>La entalpía exterior es inferior a la del aire de retorno: aire exterior por encima del mínimo.</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>La entalpía exterior no es inferior a la del aire de retorno: aire exterior mínimo.</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is above the economizer&apos;s high limit: minimum outdoor air.</source>
        <translation>La temperatura seca exterior supera el límite alto del economizador: aire exterior mínimo.</translation>
    </message>
</context>
<context>
    <name>airhandler::Issue</name>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>La presión atmosférica debe ser mayor que cero y como máximo diez atmósferas.</translation>
    </message>
    <message>
        <source>The room air is not air.</source>
        <translation>El aire del local no es aire.</translation>
    </message>
    <message>
        <source>The outdoor air is not air.</source>
        <translation>El aire exterior no es aire.</translation>
    </message>
    <message>
        <source>The room and outdoor air must be at the design&apos;s atmospheric pressure.</source>
        <translation>El aire del local y el exterior deben estar a la presión atmosférica del diseño.</translation>
    </message>
    <message>
        <source>The room&apos;s loads must be numbers.</source>
        <translation>Las cargas del local deben ser números.</translation>
    </message>
    <message>
        <source>In cooling the room&apos;s sensible load must be a heat gain (above zero); in heating, a heat loss (below zero).</source>
        <translation>En refrigeración la carga sensible del local debe ser una ganancia de calor (mayor que cero); en calefacción, una pérdida (menor que cero).</translation>
    </message>
    <message>
        <source>In cooling the supply air must be colder than the room; in heating, warmer.</source>
        <translation>En refrigeración el aire de impulsión debe estar más frío que el local; en calefacción, más caliente.</translation>
    </message>
    <message>
        <source>The supply&apos;s temperature difference to the room must be above zero.</source>
        <translation>La diferencia de temperatura entre la impulsión y el local debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The supply airflow must be greater than zero.</source>
        <translation>El caudal de impulsión debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The room&apos;s SHR line at this supply dry bulb lies beyond saturation: no air there carries the room&apos;s loads. Choose a supply closer to the room.</source>
        <translation>La recta de factor de calor sensible (SHR) del local a esta temperatura de impulsión queda más allá de la saturación: ningún aire allí cubre las cargas del local. Elija una impulsión más cercana al local.</translation>
    </message>
    <message>
        <source>The supply air would have to hold less than no water to take up the room&apos;s latent load: choose a supply closer to the room or a larger airflow.</source>
        <translation>El aire de impulsión tendría que contener menos que nada de agua para absorber la carga latente del local: elija una impulsión más cercana al local o un caudal mayor.</translation>
    </message>
    <message>
        <source>The supply air is not air.</source>
        <translation>El aire de impulsión no es aire.</translation>
    </message>
    <message>
        <source>The outdoor airflow or share must be zero or more.</source>
        <translation>El caudal o la fracción de aire exterior debe ser cero o más.</translation>
    </message>
    <message>
        <source>The outdoor air cannot exceed the supply air.</source>
        <translation>El aire exterior no puede superar el aire de impulsión.</translation>
    </message>
    <message>
        <source>The economizer&apos;s maximum outdoor share must lie from the minimum outdoor share to 1.</source>
        <translation>La fracción máxima de aire exterior del economizador debe estar entre la mínima y 1.</translation>
    </message>
    <message>
        <source>The chain can hold only one mixing box.</source>
        <translation>La cadena solo puede contener una caja de mezcla.</translation>
    </message>
    <message>
        <source>The components before the mixing box treat the outdoor air, and there is none.</source>
        <translation>Los componentes antes de la caja de mezcla tratan el aire exterior, y no lo hay.</translation>
    </message>
    <message>
        <source>Heat recovery works between the outdoor and the exhaust air: place it before the mixing box.</source>
        <translation>La recuperación de calor trabaja entre el aire exterior y el de expulsión: colóquela antes de la caja de mezcla.</translation>
    </message>
    <message>
        <source>A component brought to the supply air must stand after the mixing box.</source>
        <translation>Un componente que lleva el aire a la impulsión debe ir después de la caja de mezcla.</translation>
    </message>
    <message>
        <source>Only one heating coil and one cooling coil can bring the air to the supply&apos;s dry bulb.</source>
        <translation>Solo una batería de calor y una de frío pueden llevar el aire a la temperatura seca de impulsión.</translation>
    </message>
    <message>
        <source>Only one cooling coil and one humidifier can bring the air to the supply&apos;s humidity ratio.</source>
        <translation>Solo una batería de frío y un humectador pueden llevar el aire a la relación de humedad de impulsión.</translation>
    </message>
    <message>
        <source>An effectiveness must lie from 0 to 1.</source>
        <translation>Una eficacia debe estar entre 0 y 1.</translation>
    </message>
    <message>
        <source>The exhaust airflow must be greater than zero.</source>
        <translation>El caudal de expulsión debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The exhaust air cannot exceed the return air.</source>
        <translation>El aire de expulsión no puede superar el aire de retorno.</translation>
    </message>
    <message>
        <source>Air would leave the heat recovery beyond saturation (condensation or frost): preheat the outdoor air or lower the effectiveness.</source>
        <translation>El aire saldría de la recuperación más allá de la saturación (condensación o escarcha): precaliente el aire exterior o reduzca la eficacia.</translation>
    </message>
    <message>
        <source>The mixed air is not air.</source>
        <translation>El aire mezclado no es aire.</translation>
    </message>
    <message>
        <source>A temperature must lie from -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>Una temperatura debe estar entre -148 °F y 400 °F (-100 °C a 204,4 °C).</translation>
    </message>
    <message>
        <source>A temperature rise must be zero or more.</source>
        <translation>Un aumento de temperatura debe ser cero o más.</translation>
    </message>
    <message>
        <source>A relative humidity must lie above 0 and at most 100 %.</source>
        <translation>Una humedad relativa debe ser mayor que 0 y como máximo 100 %.</translation>
    </message>
    <message>
        <source>The fan&apos;s power must be zero or more and its motor efficiency above 0 and at most 1.</source>
        <translation>La potencia del ventilador debe ser cero o más y el rendimiento de su motor mayor que 0 y como máximo 1.</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>El factor de bypass debe ser al menos 0 y menor que 1.</translation>
    </message>
    <message>
        <source>The cooling coil cannot make this air.</source>
        <translation>La batería de frío no puede producir este aire.</translation>
    </message>
    <message>
        <source>An adiabatic humidifier can at most saturate the air: ask for a dew point no higher than the entering wet bulb.</source>
        <translation>Un humectador adiabático puede como mucho saturar el aire: pida un punto de rocío no mayor que la temperatura de bulbo húmedo de entrada.</translation>
    </message>
    <message>
        <source>The air leaving the component is not air.</source>
        <translation>El aire que sale del componente no es aire.</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>El aire no se puede calcular.</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3 %4</source>
        <translation>Componente %1 (%2): %3 %4</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3</source>
        <translation>Componente %1 (%2): %3</translation>
    </message>
    <message>
        <source>Component %1: %2 %3</source>
        <translation>Componente %1: %2 %3</translation>
    </message>
    <message>
        <source>Component %1: %2</source>
        <translation>Componente %1: %2</translation>
    </message>
</context>
<context>
    <name>airhandler::Note</name>
    <message>
        <source>Off: the air is already this warm.</source>
        <translation>Apagado: el aire ya está así de caliente.</translation>
    </message>
    <message>
        <source>Off: the air is already this cool.</source>
        <translation>Apagado: el aire ya está así de frío.</translation>
    </message>
    <message>
        <source>Off: the air is already this dry.</source>
        <translation>Apagado: el aire ya está así de seco.</translation>
    </message>
    <message>
        <source>Off: the air is already this humid.</source>
        <translation>Apagado: el aire ya está así de húmedo.</translation>
    </message>
    <message>
        <source>Off: it adds no heat.</source>
        <translation>Apagado: no aporta calor.</translation>
    </message>
    <message>
        <source>Off: it exchanges nothing.</source>
        <translation>Apagado: no intercambia nada.</translation>
    </message>
    <message>
        <source>Stopped: the economizer brings in outdoor air.</source>
        <translation>Detenido: el economizador introduce aire exterior.</translation>
    </message>
    <message>
        <source>Dry coil: the air leaves at its entering humidity ratio.</source>
        <translation>Batería seca: el aire sale con su relación de humedad de entrada.</translation>
    </message>
    <message>
        <source>Its change of the air is too small to rate.</source>
        <translation>Su cambio del aire es demasiado pequeño para evaluarlo.</translation>
    </message>
    <message>
        <source>Blow-through: ahead of the cooling coil.</source>
        <translation>Impulsión: antes de la batería de frío.</translation>
    </message>
    <message>
        <source>Draw-through: after the cooling coil.</source>
        <translation>Aspiración: después de la batería de frío.</translation>
    </message>
</context>
<context>
    <name>airhandler::Tables</name>
    <message>
        <source>Outdoor air</source>
        <translation>Aire exterior</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Aire de impulsión</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refrigeración</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Calefacción</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>El aire que sale de la cadena no alcanza el aire de impulsión.</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>Componente</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Entering dry bulb (%1)</source>
        <translation>Bulbo seco de entrada (%1)</translation>
    </message>
    <message>
        <source>Entering humidity ratio (%1)</source>
        <translation>Relación de humedad de entrada (%1)</translation>
    </message>
    <message>
        <source>Leaving dry bulb (%1)</source>
        <translation>Bulbo seco de salida (%1)</translation>
    </message>
    <message>
        <source>Leaving humidity ratio (%1)</source>
        <translation>Relación de humedad de salida (%1)</translation>
    </message>
    <message>
        <source>Dry air (%1)</source>
        <translation>Aire seco (%1)</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
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
        <translation>Total (%1)</translation>
    </message>
    <message>
        <source>Water (%1)</source>
        <translation>Agua (%1)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>Aire de retorno</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>Aire mezclado</translation>
    </message>
    <message>
        <source>Apparatus dew point %1 %2, bypass factor %3.</source>
        <translation>Punto de rocío del aparato %1 %2, factor de bypass %3.</translation>
    </message>
    <message>
        <source>%1, exhaust side</source>
        <translation>%1, lado de expulsión</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>Aire de expulsión</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>Aire del local</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>Cargas del local</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Régimen</translation>
    </message>
    <message>
        <source>Room sensible load (%1)</source>
        <translation>Carga sensible del local (%1)</translation>
    </message>
    <message>
        <source>Room latent load (%1)</source>
        <translation>Carga latente del local (%1)</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Factor de calor sensible del local</translation>
    </message>
    <message>
        <source>Room dry bulb (%1)</source>
        <translation>Bulbo seco del local (%1)</translation>
    </message>
    <message>
        <source>Room humidity ratio (%1)</source>
        <translation>Relación de humedad del local (%1)</translation>
    </message>
    <message>
        <source>Room enthalpy (%1)</source>
        <translation>Entalpía del local (%1)</translation>
    </message>
    <message>
        <source>Supply dry bulb (%1)</source>
        <translation>Bulbo seco de impulsión (%1)</translation>
    </message>
    <message>
        <source>Supply humidity ratio (%1)</source>
        <translation>Relación de humedad de impulsión (%1)</translation>
    </message>
    <message>
        <source>Supply relative humidity (%)</source>
        <translation>Humedad relativa de impulsión (%)</translation>
    </message>
    <message>
        <source>Supply enthalpy (%1)</source>
        <translation>Entalpía de impulsión (%1)</translation>
    </message>
    <message>
        <source>Supply airflow (%1)</source>
        <translation>Caudal de aire de impulsión (%1)</translation>
    </message>
    <message>
        <source>Supply dry air (%1)</source>
        <translation>Aire seco de impulsión (%1)</translation>
    </message>
    <message>
        <source>Outdoor dry bulb (%1)</source>
        <translation>Bulbo seco exterior (%1)</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio (%1)</source>
        <translation>Relación de humedad exterior (%1)</translation>
    </message>
    <message>
        <source>Outdoor enthalpy (%1)</source>
        <translation>Entalpía exterior (%1)</translation>
    </message>
    <message>
        <source>Outdoor air share (%)</source>
        <translation>Fracción de aire exterior (%)</translation>
    </message>
    <message>
        <source>Outdoor airflow (%1)</source>
        <translation>Caudal de aire exterior (%1)</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>Economizador</translation>
    </message>
    <message>
        <source>Mixed air dry bulb (%1)</source>
        <translation>Bulbo seco del aire mezclado (%1)</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio (%1)</source>
        <translation>Relación de humedad del aire mezclado (%1)</translation>
    </message>
    <message>
        <source>Mixed air enthalpy (%1)</source>
        <translation>Entalpía del aire mezclado (%1)</translation>
    </message>
    <message>
        <source>Cooling (tons)</source>
        <translation>Refrigeración (tons)</translation>
    </message>
    <message>
        <source>Cooling (kW)</source>
        <translation>Refrigeración (kW)</translation>
    </message>
    <message>
        <source>Cooling, sensible (%1)</source>
        <translation>Refrigeración, sensible (%1)</translation>
    </message>
    <message>
        <source>Cooling, latent (%1)</source>
        <translation>Refrigeración, latente (%1)</translation>
    </message>
    <message>
        <source>Heating (kW)</source>
        <translation>Calefacción (kW)</translation>
    </message>
    <message>
        <source>Heating (Btu/h)</source>
        <translation>Calefacción (Btu/h)</translation>
    </message>
    <message>
        <source>Steam heat (%1)</source>
        <translation>Calor del vapor (%1)</translation>
    </message>
    <message>
        <source>Fan heat (%1)</source>
        <translation>Calor del ventilador (%1)</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air (%1)</source>
        <translation>Calor recuperado en el aire exterior (%1)</translation>
    </message>
    <message>
        <source>Humidifier water (lb/h)</source>
        <translation>Agua del humidificador (lb/h)</translation>
    </message>
    <message>
        <source>Humidifier water (kg/h)</source>
        <translation>Agua del humidificador (kg/h)</translation>
    </message>
    <message>
        <source>Condensate (%1)</source>
        <translation>Condensado (%1)</translation>
    </message>
    <message>
        <source>Room sensible load delivered (%)</source>
        <translation>Carga sensible del local aportada (%)</translation>
    </message>
    <message>
        <source>Room latent load delivered (%)</source>
        <translation>Carga latente del local aportada (%)</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>Cargas del local cubiertas con 1 % de margen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance</name>
    <message>
        <source>A previous instance of Vaporwright is currently running.</source>
        <translation>Ya hay una instancia de Vaporwright en ejecución.</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance::SingleInstance</name>
    <message>
        <source>Vaporwright: %1 is not a file; running without the single-instance guard</source>
        <translation>Vaporwright: %1 no es un archivo; se ejecuta sin la protección de instancia única</translation>
    </message>
</context>
<context>
    <name>basMain</name>
    <message>
        <source>Vaporwright is already running: open %1 from its chart window (File &gt; Open Project).</source>
        <translation>Vaporwright ya está en ejecución: abra %1 desde su ventana del diagrama (Archivo &gt; Abrir proyecto).</translation>
    </message>
</context>
<context>
    <name>batch::Header</name>
    <message>
        <source>The header has more than %1 columns</source>
        <translation>La cabecera tiene más de %1 columnas</translation>
    </message>
    <message>
        <source>Column %1: the dew point cannot be an input; give two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy</source>
        <translation>Columna %1: el punto de rocío no puede ser una entrada; indique dos de temperatura de bulbo seco, temperatura de bulbo húmedo, humedad relativa, relación de humedad y entalpía</translation>
    </message>
    <message>
        <source>Columns %1 and %2: give one pressure or altitude column</source>
        <translation>Columnas %1 y %2: indique una sola columna de presión o de altitud</translation>
    </message>
    <message>
        <source>Columns %1 and %2 give the same quantity</source>
        <translation>Las columnas %1 y %2 dan la misma magnitud</translation>
    </message>
    <message>
        <source>The header names 0 input columns; it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>La cabecera no nombra ninguna columna de entrada; necesita dos de dry_bulb, wet_bulb, relative_humidity, humidity_ratio y enthalpy, cada una con su unidad, como &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names 1 input column (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>La cabecera nombra 1 columna de entrada (%1); necesita dos de dry_bulb, wet_bulb, relative_humidity, humidity_ratio y enthalpy, cada una con su unidad, como &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names %2 input columns (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>La cabecera nombra %2 columnas de entrada (%1); necesita dos de dry_bulb, wet_bulb, relative_humidity, humidity_ratio y enthalpy, cada una con su unidad, como &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
</context>
<context>
    <name>batch::Help</name>
    <message>
        <source>Usage: vaporwright-batch [OPTIONS] [FILE]
       vaporwright-batch [OPTIONS] --epw WEATHER.epw
       vaporwright-batch --project FILE.vwproj [--units IP|SI] [--table NAME] [-o OUT]</source>
        <translation>Uso: vaporwright-batch [OPCIONES] [ARCHIVO]
     vaporwright-batch [OPCIONES] --epw CLIMA.epw
     vaporwright-batch --project ARCHIVO.vwproj [--units IP|SI] [--table NOMBRE] [-o SALIDA]</translation>
    </message>
    <message>
        <source>Computes the state of moist air for every row of a CSV file (FILE, or standard
input when FILE is missing or &quot;-&quot;) and writes every property the Vaporwright
calculator shows as CSV to standard output.</source>
        <translation>Calcula el estado del aire húmedo para cada fila de un archivo CSV (ARCHIVO, o
la entrada estándar si falta ARCHIVO o es &quot;-&quot;) y escribe en CSV en la salida
estándar cada propiedad que muestra la calculadora Vaporwright.</translation>
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
        <translation>Entrada: la línea de cabecera nombra dos columnas de entrada, cada una una
magnitud y su unidad:
  dry_bulb_F  dry_bulb_C  dry_bulb_K      (también wet_bulb_...)
  relative_humidity_pct
  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg
  humidity_ratio_gr/lb
  enthalpy_Btu/lb (cero a 0 F)  enthalpy_kJ/kg (cero a 0 C)
Dos cualesquiera de temperatura de bulbo seco, temperatura de bulbo húmedo,
humedad relativa, relación de humedad y entalpía forman un par. Una columna
opcional pressure_psia, pressure_kPa, pressure_Pa, pressure_mbar, pressure_inHg,
altitude_ft o altitude_m da a cada fila su atmósfera. Los nombres se reconocen
sin distinguir mayúsculas; también se leen las formas de otros programas:
&quot;Pressure (kPa)&quot;, &quot;pressure-kPa&quot;, &quot;pressure [kPa]&quot;, &quot;Station pressure (hPa)&quot;,
&quot;Dry bulb (F)&quot;, &quot;Relative humidity (%)&quot;. Se rechaza una columna que nombra una
magnitud sin unidad (&quot;pressure&quot;, &quot;altitude&quot;). Cualquier otra columna (una marca
de tiempo, por ejemplo) se copia a la salida, antes de las propiedades, tal como
la lee un lector de CSV y entre comillas donde CSV lo exige. Las líneas pueden
terminar en LF, CRLF o CR; una línea de más de 16 MiB no se lee (una cabecera
tan larga termina la ejecución).</translation>
    </message>
    <message>
        <source>Output: the copied columns, then dry bulb, wet bulb, dew point, relative
humidity, humidity ratio, enthalpy, vapor pressure, degree of saturation,
specific volume, density, absolute humidity, moisture concentration, pressure
and altitude, each header naming its unit, then &quot;reason&quot;. A row that gives no
real air, or that cannot be read (an empty or non-numeric input, a wrong number
of fields), has empty properties and says why in &quot;reason&quot;; the run goes on.
Every line after the header gives one output row.</source>
        <translation>Salida: las columnas copiadas, luego temperatura de bulbo seco, temperatura de
bulbo húmedo, punto de rocío, humedad relativa, relación de humedad, entalpía,
presión de vapor, grado de saturación, volumen específico, densidad, humedad
absoluta, concentración de humedad, presión y altitud, cada cabecera con su
unidad, y luego &quot;reason&quot;. Una fila que no da aire real, o que no se puede leer
(una entrada vacía o no numérica, un número de campos erróneo), tiene las
propiedades vacías y dice por qué en &quot;reason&quot;; la ejecución continúa. Cada línea
tras la cabecera da una fila de salida.</translation>
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
        <translation>Opciones:
  --units IP|SI       unidades de la salida y de los valores sin unidad de
                      --pressure/--altitude (por omisión IP: F, lb/lb, Btu/lb,
                      psia, ft; SI: C, kg/kg, kJ/kg, mbar, m)
  --pressure VALOR    presión atmosférica de cada fila: un número con psia,
                      kPa, Pa, mbar o inHg, o un número solo en psia (IP) o
                      kPa (SI); por omisión 14.696 psia
  --altitude VALOR    altitud de cada fila, su presión según la atmósfera
                      estándar: un número con ft o m, o solo en ft (IP) o
                      m (SI)
  --formats           redondear como muestra la calculadora (####0.00 para la
                      temperatura de bulbo seco, ...) en lugar de precisión
                      completa: el texto más corto que se lee de nuevo como el
                      valor calculado en precisión simple
  --epw ARCHIVO       leer en su lugar un archivo meteorológico de EnergyPlus
                      (&quot;-&quot; para la entrada estándar): temperatura de bulbo
                      seco y punto de rocío de cada hora a su presión de
                      estación; la salida empieza con year,month,day,hour del
                      archivo (hora 1 a 24, la hora que termina)
  --project ARCHIVO   leer en su lugar un archivo de proyecto de Vaporwright
                      (nunca se escribe): calcularlo, con la unidad de
                      tratamiento de aire, y escribir sus tablas en CSV (abajo)
  --table NOMBRE      con --project, solo esa tabla: points, processes,
                      mixtures, airhandler-components o airhandler-rollup
  -o, --output ARCHIVO
                      escribir en ARCHIVO en lugar de la salida estándar (con
                      --project: una carpeta DIR para todas las tablas, un
                      ARCHIVO para la tabla que nombra --table, o - para la
                      salida estándar)
  -h, --help          mostrar esta ayuda y salir
  --version           mostrar la versión y salir</translation>
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
        <translation>Tablas del proyecto (--project): points, processes y mixtures, y para un
proyecto con unidad de tratamiento de aire airhandler-components (ambos casos,
cada fila precedida de su caso) y airhandler-rollup, en el sistema de unidades
del proyecto salvo que --units diga otro; cada una una tabla RFC 4180 con fines
de línea CR LF y las unidades en su cabecera. Hacia la salida estándar (sin -o,
-o - o -) cada tabla va precedida de una línea con su nombre y seguida, salvo la
última, de una línea vacía; con --table, la tabla sola, como archivo CSV simple;
-o ARCHIVO toma una tabla, la de --table. Con -o DIR (una carpeta existente, o
un nombre que termina en &quot;/&quot;, creada si falta) cada tabla va a su propio
archivo, DIR/NOMBRE.csv, escrito entero o nada. Un proyecto dañado o ilegible
se rechaza con el mensaje de la ventana, y no se escribe nada.</translation>
    </message>
    <message>
        <source>Exit status: 0 all rows written (rows without real air included), 1 a command
line that cannot be followed (an output that is the input file, named, on
standard input or a project&apos;s standard output, included; one file for all of
a project&apos;s tables), 2 an input that cannot be opened or read (a missing
file, a folder, an unusable header, a damaged project, a table the project
does not have), 3 an output that cannot be written.</source>
        <translation>Estado de salida: 0 todas las filas escritas (incluidas las filas sin aire
real), 1 una línea de órdenes que no se puede seguir (incluida una salida que es
el archivo de entrada, nombrado, en la entrada estándar o en la salida estándar
de un proyecto; un archivo para todas las tablas de un proyecto), 2 una entrada
que no se puede abrir ni leer (un archivo que falta, una carpeta, una cabecera
inutilizable, un proyecto dañado, una tabla que el proyecto no tiene), 3 una
salida que no se puede escribir.</translation>
    </message>
    <message>
        <source>Examples:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project office.vwproj -o tables/
  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI</source>
        <translation>Ejemplos:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project oficina.vwproj -o tablas/
  vaporwright-batch --project oficina.vwproj --table airhandler-rollup --units SI</translation>
    </message>
</context>
<context>
    <name>batch::Options</name>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with ft or m, such as 1500ft</source>
        <translation>%1: no se puede leer «%2»; indique un número con ft o m, como 1500ft</translation>
    </message>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with psia, kPa, Pa, mbar or inHg, such as 101.325kPa</source>
        <translation>%1: no se puede leer «%2»; indique un número con psia, kPa, Pa, mbar o inHg, como 101.325kPa</translation>
    </message>
    <message>
        <source>--units: give IP or SI</source>
        <translation>--units: indique IP o SI</translation>
    </message>
    <message>
        <source>%1: give a value</source>
        <translation>%1: indique un valor</translation>
    </message>
    <message>
        <source>Give --pressure or --altitude, not both</source>
        <translation>Indique --pressure o --altitude, no ambos</translation>
    </message>
    <message>
        <source>--epw: give a weather file</source>
        <translation>--epw: indique un archivo meteorológico</translation>
    </message>
    <message>
        <source>--project: give a project file</source>
        <translation>--project: indique un archivo de proyecto</translation>
    </message>
    <message>
        <source>--table: give one of %1</source>
        <translation>--table: indique una de estas: %1</translation>
    </message>
    <message>
        <source>%1: give a file</source>
        <translation>%1: indique un archivo</translation>
    </message>
    <message>
        <source>Give one input file</source>
        <translation>Indique un solo archivo de entrada</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;; see --help</source>
        <translation>Opción desconocida «%1»; véase --help</translation>
    </message>
    <message>
        <source>Give a CSV file or --epw, not both</source>
        <translation>Indique un archivo CSV o --epw, no ambos</translation>
    </message>
    <message>
        <source>Give a CSV file, --epw or --project, one of them</source>
        <translation>Indique solo uno: un archivo CSV, --epw o --project</translation>
    </message>
    <message>
        <source>Give -o or -, not both</source>
        <translation>Indique -o o -, no ambos</translation>
    </message>
    <message>
        <source>A project gives its points their atmospheric pressure: %1 does not apply with --project</source>
        <translation>Un proyecto da a sus puntos su propia presión atmosférica: %1 no se aplica con --project</translation>
    </message>
    <message>
        <source>--formats does not apply with --project: its tables have their own</source>
        <translation>--formats no se aplica con --project: sus tablas tienen formatos propios</translation>
    </message>
    <message>
        <source>--table applies with --project</source>
        <translation>--table se aplica con --project</translation>
    </message>
    <message>
        <source>A weather file gives each hour its station pressure: %1 does not apply with --epw</source>
        <translation>Un archivo meteorológico da a cada hora su presión en la estación: %1 no se aplica con --epw</translation>
    </message>
</context>
<context>
    <name>batch::ProjectRun</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 has no air handler: it has no table %2</source>
        <translation>%1 no tiene unidad de tratamiento de aire: no tiene la tabla %2</translation>
    </message>
    <message>
        <source>The output is the input file (standard output)</source>
        <translation>La salida es el archivo de entrada (salida estándar)</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>No se pudo escribir la salida</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>La salida %1 es el archivo de entrada</translation>
    </message>
    <message>
        <source>The project has %1 tables: give --table NAME to write one to %2, or a folder (a name ending in &quot;/&quot;) for all</source>
        <translation>El proyecto tiene %1 tablas: indique --table NOMBRE para escribir una en %2, o una carpeta (un nombre que termine en «/») para todas</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>batch::Run</name>
    <message>
        <source>Could not read the input: %1</source>
        <translation>No se pudo leer la entrada: %1</translation>
    </message>
    <message>
        <source>The input is empty: it needs a header line such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>La entrada está vacía: necesita una línea de cabecera como &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>Unusable header: the header line is longer than 16 MiB</source>
        <translation>Cabecera inutilizable: la línea de cabecera supera los 16 MiB</translation>
    </message>
    <message>
        <source>Unusable header: %1</source>
        <translation>Cabecera inutilizable: %1</translation>
    </message>
    <message>
        <source>The input has a column %1; --pressure and --altitude apply to files without one</source>
        <translation>La entrada tiene una columna %1; --pressure y --altitude se aplican a archivos sin ella</translation>
    </message>
    <message>
        <source>Cannot open the weather file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo meteorológico «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
</context>
<context>
    <name>batch::main</name>
    <message>
        <source>Try &apos;vaporwright-batch --help&apos;.</source>
        <translation>Pruebe «vaporwright-batch --help».</translation>
    </message>
    <message>
        <source>Cannot open the weather file %1: %2</source>
        <translation>No se puede abrir el archivo meteorológico %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>La salida %1 es el archivo de entrada</translation>
    </message>
    <message>
        <source>The output %1 is the input file (standard input)</source>
        <translation>La salida %1 es el archivo de entrada (entrada estándar)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>No se pudo escribir la salida</translation>
    </message>
    <message>
        <source>Could not write the output %1</source>
        <translation>No se pudo escribir la salida %1</translation>
    </message>
    <message>
        <source>unexpected failure</source>
        <translation>fallo inesperado</translation>
    </message>
</context>
<context>
    <name>chart::AddProcessDialog</name>
    <message>
        <source>Add Process</source>
        <translation>Añadir proceso</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>Punto de entrada</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Leaving point</source>
        <translation>Punto de salida</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerInteraction</name>
    <message>
        <source>The point was not moved: %1</source>
        <translation>El punto no se movió: %1</translation>
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
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Impulsión</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>FCS %1</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Air handler, %1: no solution. %2</source>
        <translation>Climatizador, %1: sin solución. %2</translation>
    </message>
    <message>
        <source>Air handler, %1: room %2, outdoor %3, mixed %4, supply %5</source>
        <translation>Climatizador, %1: local %2, exterior %3, mezcla %4, impulsión %5</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
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
        <translation>sin economizador</translation>
    </message>
    <message>
        <source>dry-bulb economizer</source>
        <translation>economizador por bulbo seco</translation>
    </message>
    <message>
        <source>enthalpy economizer</source>
        <translation>economizador por entalpía</translation>
    </message>
    <message>
        <source>to the supply air</source>
        <translation>hasta el aire de impulsión</translation>
    </message>
    <message>
        <source>by a rise</source>
        <translation>por un aumento</translation>
    </message>
    <message>
        <source>to a leaving dry bulb</source>
        <translation>hasta un bulbo seco de salida</translation>
    </message>
    <message>
        <source>to the supply&apos;s humidity</source>
        <translation>hasta la humedad de impulsión</translation>
    </message>
    <message>
        <source>by ADP and bypass factor</source>
        <translation>por punto de rocío del aparato y factor de bypass</translation>
    </message>
    <message>
        <source>to a leaving dry bulb and RH</source>
        <translation>hasta bulbo seco y HR de salida</translation>
    </message>
    <message>
        <source>by its power</source>
        <translation>por su potencia</translation>
    </message>
    <message>
        <source>steam</source>
        <translation>vapor</translation>
    </message>
    <message>
        <source>adiabatic</source>
        <translation>adiabático</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>&amp;Caso:</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refrigeración</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Calefacción</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>F&amp;unción:</translation>
    </message>
    <message>
        <source>The project has no air handler yet. Start from an example design: a room of 100,000 Btu/h sensible and 25,000 Btu/h latent gains in summer, with its winter case.</source>
        <translation>El proyecto aún no tiene climatizador. Empiece con un ejemplo: un local con 100.000 Btu/h de cargas sensibles y 25.000 Btu/h latentes en verano, con su caso de invierno.</translation>
    </message>
    <message>
        <source>Design an &amp;Air Handler</source>
        <translation>Diseñar un clim&amp;atizador</translation>
    </message>
    <message>
        <source>Air handler settings</source>
        <translation>Ajustes del climatizador</translation>
    </message>
    <message>
        <source>Air handler status</source>
        <translation>Estado del climatizador</translation>
    </message>
    <message>
        <source>Air handler message</source>
        <translation>Mensaje del climatizador</translation>
    </message>
    <message>
        <source>Remove the Air Handler</source>
        <translation>Quitar el climatizador</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Bulbo seco</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>Bulbo húmedo</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Humedad relativa</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Humedad específica</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpía</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>Aire exterior</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primera</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>%1, %2 property</source>
        <translation>%1, %2 propiedad</translation>
    </message>
    <message>
        <source>%1, %2 value</source>
        <translation>%1, %2 valor</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <source>Room, &amp;2nd:</source>
        <translation>Local, &amp;2.ª:</translation>
    </message>
    <message>
        <source>&amp;Sensible load:</source>
        <translation>Carga &amp;sensible:</translation>
    </message>
    <message>
        <source>&amp;Latent load:</source>
        <translation>Carga &amp;latente:</translation>
    </message>
    <message>
        <source>Load unit:</source>
        <translation>Unidad de carga:</translation>
    </message>
    <message>
        <source>Difference to room</source>
        <translation>Diferencia con el local</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Su&amp;pply by:</source>
        <translation>Im&amp;pulsión por:</translation>
    </message>
    <message>
        <source>Airflow unit:</source>
        <translation>Unidad de caudal:</translation>
    </message>
    <message>
        <source>Ou&amp;tdoor:</source>
        <translation>Ex&amp;terior:</translation>
    </message>
    <message>
        <source>Outdoor, 2n&amp;d:</source>
        <translation>Exterior, 2.ª (&amp;d):</translation>
    </message>
    <message>
        <source>From the Weather File&apos;s Desi&amp;gn Conditions</source>
        <translation>Desde las condiciones de diseño del archivo meteorológico (&amp;g)</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point (&amp;b)</source>
        <translation>Verano en el punto de rocío de deshumidificación (&amp;b)</translation>
    </message>
    <message>
        <source>Summer outdoor air at the 0.4 % dehumidification dew point with its mean coincident dry bulb, instead of the 0.4 % cooling dry bulb with its mean coincident wet bulb.</source>
        <translation>Aire exterior de verano en el punto de rocío de deshumidificación del 0,4 % con su bulbo seco medio coincidente, en lugar del bulbo seco de refrigeración del 0,4 % con su bulbo húmedo medio coincidente.</translation>
    </message>
    <message>
        <source>Share of supply</source>
        <translation>Fracción de la impulsión</translation>
    </message>
    <message>
        <source>Outdoor air b&amp;y:</source>
        <translation>Aire exterior &amp;por:</translation>
    </message>
    <message>
        <source>Components, in the order the air meets them</source>
        <translation>Componentes, en el orden en que el aire los atraviesa</translation>
    </message>
    <message>
        <source>Insert adds, Delete removes, Enter edits, Ctrl+Up and Ctrl+Down move the component.</source>
        <translation>Insert añade, Supr quita, Intro edita, Ctrl+Arriba y Ctrl+Abajo mueven el componente.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Wheel</source>
        <translation>Rueda de &amp;recuperación</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Plate</source>
        <translation>Recuperador de &amp;placas</translation>
    </message>
    <message>
        <source>&amp;Mixing Box</source>
        <translation>Caja de &amp;mezcla</translation>
    </message>
    <message>
        <source>P&amp;reheat Coil</source>
        <translation>&amp;Batería de precalentamiento</translation>
    </message>
    <message>
        <source>&amp;Cooling Coil</source>
        <translation>Batería de &amp;frío</translation>
    </message>
    <message>
        <source>R&amp;eheat Coil</source>
        <translation>Batería de re&amp;calentamiento</translation>
    </message>
    <message>
        <source>Supply &amp;Fan</source>
        <translation>&amp;Ventilador de impulsión</translation>
    </message>
    <message>
        <source>&amp;Steam Humidifier</source>
        <translation>Humectador de v&amp;apor</translation>
    </message>
    <message>
        <source>&amp;Adiabatic Humidifier</source>
        <translation>Humectador a&amp;diabático</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Air handler tables</source>
        <translation>Tablas del climatizador</translation>
    </message>
    <message>
        <source>Rollup of both cases</source>
        <translation>Resumen de ambos casos</translation>
    </message>
    <message>
        <source>Components of the case shown</source>
        <translation>Componentes del caso mostrado</translation>
    </message>
    <message>
        <source>Rollup, Summer and Winter</source>
        <translation>Resumen, verano e invierno</translation>
    </message>
    <message>
        <source>Components of the Case</source>
        <translation>Componentes del caso</translation>
    </message>
    <message>
        <source>E&amp;xport Components...</source>
        <translation>E&amp;xportar componentes...</translation>
    </message>
    <message>
        <source>Export Rollup...</source>
        <translation>Exportar resumen...</translation>
    </message>
    <message>
        <source>Air handler</source>
        <translation>Climatizador</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Caso</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>Carga sensible del local</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>Carga latente del local</translation>
    </message>
    <message>
        <source>Load unit</source>
        <translation>Unidad de carga</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>Factor de calor sensible del local</translation>
    </message>
    <message>
        <source>Supply by</source>
        <translation>Impulsión por</translation>
    </message>
    <message>
        <source>Supply value</source>
        <translation>Valor de impulsión</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>Aire de impulsión</translation>
    </message>
    <message>
        <source>Airflow unit</source>
        <translation>Unidad de caudal</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point</source>
        <translation>Verano en el punto de rocío de deshumidificación</translation>
    </message>
    <message>
        <source>Outdoor air by</source>
        <translation>Aire exterior por</translation>
    </message>
    <message>
        <source>Outdoor air value</source>
        <translation>Valor del aire exterior</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Componentes</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>Añadir componente</translation>
    </message>
    <message>
        <source>Edit component</source>
        <translation>Editar componente</translation>
    </message>
    <message>
        <source>Remove component</source>
        <translation>Quitar componente</translation>
    </message>
    <message>
        <source>Move component up</source>
        <translation>Subir componente</translation>
    </message>
    <message>
        <source>Move component down</source>
        <translation>Bajar componente</translation>
    </message>
    <message>
        <source>Export components as CSV</source>
        <translation>Exportar componentes como CSV</translation>
    </message>
    <message>
        <source>Export rollup as CSV</source>
        <translation>Exportar resumen como CSV</translation>
    </message>
    <message>
        <source>Design an air handler</source>
        <translation>Diseñar un climatizador</translation>
    </message>
    <message>
        <source>Remove the air handler</source>
        <translation>Quitar el climatizador</translation>
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
        <translation>Aire de impulsión %1 %2, %3 %4; %5 %6; %7 %8 de aire seco</translation>
    </message>
    <message>
        <source>No supply air: the case has no solution.</source>
        <translation>Sin aire de impulsión: el caso no tiene solución.</translation>
    </message>
    <message>
        <source>Design conditions of %1</source>
        <translation>Condiciones de diseño de %1</translation>
    </message>
    <message>
        <source>Open a weather file first.</source>
        <translation>Abra primero un archivo meteorológico.</translation>
    </message>
    <message>
        <source>No solution: %1</source>
        <translation>Sin solución: %1</translation>
    </message>
    <message>
        <source>The chain reaches the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2.</source>
        <translation>La cadena alcanza el aire de impulsión: cubre la carga sensible del local en un %1 y la latente en un %2.</translation>
    </message>
    <message>
        <source>The air leaving the chain misses the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2, not within 1 %. Order or size the components until it does.</source>
        <translation>El aire que sale de la cadena no alcanza el de impulsión: cubre la carga sensible del local en un %1 y la latente en un %2, no dentro del 1 %. Ordene o dimensione los componentes hasta lograrlo.</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>Sin cambios: %1</translation>
    </message>
    <message>
        <source>Not changed: “%1” is not a number.</source>
        <translation>Sin cambios: «%1» no es un número.</translation>
    </message>
    <message>
        <source>Open a weather file first: its design conditions give the outdoor air.</source>
        <translation>Abra primero un archivo meteorológico: sus condiciones de diseño dan el aire exterior.</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % dehumidification design.</source>
        <translation>El archivo meteorológico no da condición de deshumidificación del 0,4 %.</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % cooling design.</source>
        <translation>El archivo meteorológico no da condición de refrigeración del 0,4 %.</translation>
    </message>
    <message>
        <source>The weather file gives no 99.6 % heating design.</source>
        <translation>El archivo meteorológico no da condición de calefacción del 99,6 %.</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>Exportar componentes del climatizador</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>Exportar resumen del climatizador</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>No exportado: %1</translation>
    </message>
    <message>
        <source>tons</source>
        <translation>toneladas</translation>
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
        <translation>Temperatura de bulbo seco, %1</translation>
    </message>
    <message>
        <source>Humidity ratio, %1</source>
        <translation>Relación de humedad, %1</translation>
    </message>
    <message>
        <source>%1    Atmospheric pressure %2 %3</source>
        <translation>%1    Presión atmosférica %2 %3</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>Humedad relativa, %</translation>
    </message>
    <message>
        <source>Wet bulb, %1</source>
        <translation>Bulbo húmedo, %1</translation>
    </message>
    <message>
        <source>Enthalpy, %1</source>
        <translation>Entalpía, %1</translation>
    </message>
    <message>
        <source>Specific volume, %1</source>
        <translation>Volumen específico, %1</translation>
    </message>
    <message>
        <source>State  %1 %2</source>
        <translation>Estado  %1 %2</translation>
    </message>
    <message>
        <source>No chart: the atmospheric pressure is not valid.</source>
        <translation>Sin diagrama: la presión atmosférica no es válida.</translation>
    </message>
</context>
<context>
    <name>chart::ChartStyle</name>
    <message>
        <source>Mollier h-x Diagram</source>
        <translation>Diagrama de Mollier h-x</translation>
    </message>
    <message>
        <source>Psychrometric Chart</source>
        <translation>Diagrama psicrométrico</translation>
    </message>
</context>
<context>
    <name>chart::ChartWindow</name>
    <message>
        <source>A&amp;ir Handler</source>
        <translation>Clima&amp;tizador</translation>
    </message>
    <message>
        <source>Export Air Handler Co&amp;mponents (CSV)...</source>
        <translation>Exportar c&amp;omponentes del climatizador (CSV)...</translation>
    </message>
    <message>
        <source>Export Air Handler Ro&amp;llup (CSV)...</source>
        <translation>Exportar res&amp;umen del climatizador (CSV)...</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>Exportar componentes del climatizador</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>Exportar resumen del climatizador</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>El proyecto no tiene climatizador.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Air handler, summer case: the chain</source>
        <translation>Climatizador, caso de verano: la cadena</translation>
    </message>
    <message>
        <source>Air handler, winter case: the chain</source>
        <translation>Climatizador, caso de invierno: la cadena</translation>
    </message>
    <message>
        <source>Air handler: rollup of both cases</source>
        <translation>Climatizador: resumen de ambos casos</translation>
    </message>
    <message>
        <source>&amp;Weather</source>
        <translation>C&amp;lima</translation>
    </message>
    <message>
        <source>The psychrometric chart of the calculator&apos;s state. Escape hides it; F2 in the calculator shows it again.</source>
        <translation>El diagrama psicrométrico del estado de la calculadora. Escape lo oculta; F2 en la calculadora lo vuelve a mostrar.</translation>
    </message>
    <message>
        <source>Chart of moist air at the calculator&apos;s atmospheric pressure, with the computed state marked. Hovering the mouse over it shows the properties of the point under the pointer; a double click enters that point into the calculator as dry bulb temperature and humidity ratio; with Shift it adds a state point there. State points can be dragged. The wheel zooms.</source>
        <translation>Diagrama del aire húmedo a la presión atmosférica de la calculadora, con el estado calculado marcado. Al pasar el ratón se muestran las propiedades del punto bajo el puntero; un doble clic introduce ese punto en la calculadora como temperatura seca y relación de humedad; con Mayús añade allí un punto de estado. Los puntos de estado se pueden arrastrar. La rueda hace zoom.</translation>
    </message>
    <message>
        <source>%1 resets the zoom.</source>
        <translation>%1 restablece el zoom.</translation>
    </message>
    <message>
        <source>%1 copies the chart.</source>
        <translation>%1 copia el diagrama.</translation>
    </message>
    <message>
        <source>%1 saves it to a file.</source>
        <translation>%1 lo guarda en un archivo.</translation>
    </message>
    <message>
        <source>Psychrometric chart</source>
        <translation>Diagrama psicrométrico</translation>
    </message>
    <message>
        <source>Chart menu</source>
        <translation>Menú del diagrama</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>Panel lateral</translation>
    </message>
    <message>
        <source>The points, processes, zones and weather shown on the chart, a tab each. F9 hides and shows the panel.</source>
        <translation>Los puntos, procesos, zonas y el clima del diagrama, una pestaña cada uno. F9 oculta y muestra el panel.</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>Archivo meteorológico</translation>
    </message>
    <message>
        <source>The hours of a weather file on the chart: display, month and hour filter, zones, limits, hour counts and design conditions.</source>
        <translation>Las horas de un archivo meteorológico en el diagrama: visualización, filtro de meses y horas, zonas, límites, recuentos de horas y condiciones de diseño.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Weather File...</source>
        <translation>Abrir archivo &amp;meteorológico...</translation>
    </message>
    <message>
        <source>Export Weather S&amp;tatistics...</source>
        <translation>Exportar es&amp;tadísticas meteorológicas...</translation>
    </message>
    <message>
        <source>Close Weather &amp;File</source>
        <translation>Cerrar archivo meteoro&amp;lógico</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Side &amp;Panel</source>
        <translation>&amp;Panel lateral</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>%1 no se puede mostrar: %2</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>no existe ese archivo.</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Weather File</source>
        <translation>Abrir archivo meteorológico</translation>
    </message>
    <message>
        <source>Reading the weather file</source>
        <translation>Leyendo el archivo meteorológico</translation>
    </message>
    <message>
        <source>the calculator&apos;s pressure</source>
        <translation>la presión de la calculadora</translation>
    </message>
    <message>
        <source>standard sea-level pressure</source>
        <translation>la presión normal al nivel del mar</translation>
    </message>
    <message>
        <source>reading was cancelled.</source>
        <translation>la lectura se canceló.</translation>
    </message>
    <message>
        <source>it holds no hour of valid weather.</source>
        <translation>no contiene ninguna hora de datos válidos.</translation>
    </message>
    <message>
        <source>Weather files (*.epw *.csv);;All files (*)</source>
        <translation>Archivos meteorológicos (*.epw *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Weather Statistics</source>
        <translation>Exportar estadísticas meteorológicas</translation>
    </message>
    <message>
        <source>Weather statistics.csv</source>
        <translation>Estadísticas meteorológicas.csv</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1.</source>
        <translation>No se pudieron escribir las estadísticas en %1.</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>Psychrometric report.pdf</source>
        <translation>Informe psicrométrico.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>Air handler components.csv</source>
        <translation>Componentes del climatizador.csv</translation>
    </message>
    <message>
        <source>Air handler rollup.csv</source>
        <translation>Resumen del climatizador.csv</translation>
    </message>
    <message>
        <source>Vaporwright projects (*.%1);;All files (*)</source>
        <translation>Proyectos de Vaporwright (*.%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Poi&amp;nts</source>
        <translation>P&amp;untos</translation>
    </message>
    <message>
        <source>Pr&amp;ocesses</source>
        <translation>Pr&amp;ocesos</translation>
    </message>
    <message>
        <source>&amp;Zones</source>
        <translation>&amp;Zonas</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuevo proyecto</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Abrir proyecto...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>Guardar proyecto &amp;como...</translation>
    </message>
    <message>
        <source>Export &amp;Points (CSV)...</source>
        <translation>Exportar &amp;puntos (CSV)...</translation>
    </message>
    <message>
        <source>Export Proc&amp;esses (CSV)...</source>
        <translation>Exportar p&amp;rocesos (CSV)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Export Report (P&amp;DF)...</source>
        <translation>Exportar in&amp;forme (PDF)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>Psychrometric Chart[*]</source>
        <translation>Diagrama psicrométrico[*]</translation>
    </message>
    <message>
        <source>Psychrometric Chart - %1[*]</source>
        <translation>Diagrama psicrométrico - %1[*]</translation>
    </message>
    <message>
        <source>Unsaved Project</source>
        <translation>Proyecto sin guardar</translation>
    </message>
    <message>
        <source>The project has changes that are not saved. Save them first?</source>
        <translation>El proyecto tiene cambios sin guardar. ¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2
The project shown is kept.</source>
        <translation>No se puede abrir %1: %2
Se conserva el proyecto mostrado.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Guardar proyecto como</translation>
    </message>
    <message>
        <source>Project.vwproj</source>
        <translation>Proyecto.vwproj</translation>
    </message>
    <message>
        <source>Export Points</source>
        <translation>Exportar puntos</translation>
    </message>
    <message>
        <source>State points.csv</source>
        <translation>Puntos de estado.csv</translation>
    </message>
    <message>
        <source>Export Processes</source>
        <translation>Exportar procesos</translation>
    </message>
    <message>
        <source>Processes.csv</source>
        <translation>Procesos.csv</translation>
    </message>
    <message>
        <source>Mollier h-x diagram</source>
        <translation>Diagrama de Mollier h-x</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 kPa, SI units</source>
        <translation>Presión atmosférica %1 kPa, unidades SI</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 psia, IP units</source>
        <translation>Presión atmosférica %1 psia, unidades IP</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Proyecto %1</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>Recuento de horas</translation>
    </message>
    <message>
        <source>Design conditions (all hours)</source>
        <translation>Condiciones de diseño (todas las horas)</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the point lies inside the zone</comment>
        <translation>dentro</translation>
    </message>
    <message>
        <source>out</source>
        <comment>the point lies outside the zone</comment>
        <translation>fuera</translation>
    </message>
    <message>
        <source>State points</source>
        <translation>Puntos de estado</translation>
    </message>
    <message>
        <source>Zones (in: the point lies inside): </source>
        <translation>Zonas (dentro: el punto está dentro): </translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>Mezclas</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print preview of the report</source>
        <translation>Vista previa de impresión del informe</translation>
    </message>
</context>
<context>
    <name>chart::ComponentDialog</name>
    <message>
        <source>%1 Settings</source>
        <translation>Ajustes: %1</translation>
    </message>
    <message>
        <source>Component message</source>
        <translation>Mensaje del componente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>0 to 1</source>
        <translation>0 a 1</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Unidad: %1</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>«%1» no es un número para: %2.</translation>
    </message>
    <message>
        <source>&amp;Exchanger:</source>
        <translation>&amp;Intercambiador:</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Placas</translation>
    </message>
    <message>
        <source>&amp;Sensible effectiveness:</source>
        <translation>Eficacia &amp;sensible:</translation>
    </message>
    <message>
        <source>&amp;Latent effectiveness:</source>
        <translation>Eficacia &amp;latente:</translation>
    </message>
    <message>
        <source>&amp;Given exhaust airflow (otherwise balanced)</source>
        <translation>Caudal de extracción &amp;dado (si no, equilibrado)</translation>
    </message>
    <message>
        <source>E&amp;xhaust airflow:</source>
        <translation>Caudal de e&amp;xtracción:</translation>
    </message>
    <message>
        <source>&amp;Economizer:</source>
        <translation>&amp;Economizador:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Bulbo seco</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpía</translation>
    </message>
    <message>
        <source>&amp;High limit</source>
        <translation>Límite &amp;alto</translation>
    </message>
    <message>
        <source>High-limit &amp;dry bulb:</source>
        <translation>Bulbo seco &amp;límite:</translation>
    </message>
    <message>
        <source>&amp;Maximum outdoor air share:</source>
        <translation>Fracción &amp;máxima de aire exterior:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Función:</translation>
    </message>
    <message>
        <source>Preheat</source>
        <translation>Precalentamiento</translation>
    </message>
    <message>
        <source>Reheat</source>
        <translation>Recalentamiento</translation>
    </message>
    <message>
        <source>&amp;Sized by:</source>
        <translation>&amp;Dimensionado por:</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>Bulbo seco de salida</translation>
    </message>
    <message>
        <source>Temperature rise</source>
        <translation>Aumento de temperatura</translation>
    </message>
    <message>
        <source>To the supply air</source>
        <translation>Hasta el aire de impulsión</translation>
    </message>
    <message>
        <source>&amp;Leaving dry bulb:</source>
        <translation>Bulbo seco de &amp;salida:</translation>
    </message>
    <message>
        <source>Temperature r&amp;ise:</source>
        <translation>Aumento de temperatura (&amp;i):</translation>
    </message>
    <message>
        <source>Leaving dry bulb and RH</source>
        <translation>Bulbo seco y HR de salida</translation>
    </message>
    <message>
        <source>Apparatus dew point and bypass</source>
        <translation>Punto de rocío del aparato y bypass</translation>
    </message>
    <message>
        <source>To the supply&apos;s humidity</source>
        <translation>Hasta la humedad de impulsión</translation>
    </message>
    <message>
        <source>Leaving relative &amp;humidity:</source>
        <translation>&amp;Humedad relativa de salida:</translation>
    </message>
    <message>
        <source>&amp;Apparatus dew point:</source>
        <translation>Punto de rocío del &amp;aparato:</translation>
    </message>
    <message>
        <source>&amp;Bypass factor:</source>
        <translation>Factor de &amp;bypass:</translation>
    </message>
    <message>
        <source>&amp;Heat by:</source>
        <translation>&amp;Calor por:</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>&amp;Shaft power:</source>
        <translation>Potencia en el &amp;eje:</translation>
    </message>
    <message>
        <source>&amp;Power unit:</source>
        <translation>&amp;Unidad de potencia:</translation>
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
        <translation>Rendimiento del &amp;motor:</translation>
    </message>
    <message>
        <source>Motor in the &amp;airstream</source>
        <translation>Motor en la corriente de &amp;aire</translation>
    </message>
    <message>
        <source>&amp;Rise:</source>
        <translation>Au&amp;mento:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Steam</source>
        <translation>Vapor</translation>
    </message>
    <message>
        <source>Adiabatic</source>
        <translation>Adiabático</translation>
    </message>
    <message>
        <source>Leaving dew point</source>
        <translation>Punto de rocío de salida</translation>
    </message>
    <message>
        <source>Leaving relative humidity</source>
        <translation>Humedad relativa de salida</translation>
    </message>
    <message>
        <source>Leaving &amp;dew point:</source>
        <translation>Punto de &amp;rocío de salida:</translation>
    </message>
    <message>
        <source>S&amp;team temperature:</source>
        <translation>Temperatura del &amp;vapor:</translation>
    </message>
</context>
<context>
    <name>chart::CoolingCoilDialog</name>
    <message>
        <source>Cooling Coil</source>
        <translation>Batería de frío</translation>
    </message>
    <message>
        <source>&amp;Entering air:</source>
        <translation>Aire de &amp;entrada:</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>Punto de entrada</translation>
    </message>
    <message>
        <source>Entering air</source>
        <translation>Aire de entrada</translation>
    </message>
    <message>
        <source>Apparatus dew point in %1</source>
        <translation>Punto de rocío del aparato en %1</translation>
    </message>
    <message>
        <source>Apparatus &amp;dew point (%1):</source>
        <translation>Punto de &amp;rocío del aparato (%1):</translation>
    </message>
    <message>
        <source>Bypass factor, 0 to 1</source>
        <translation>Factor de bypass, de 0 a 1</translation>
    </message>
    <message>
        <source>&amp;Bypass factor (0 to 1):</source>
        <translation>Factor de &amp;bypass (0 a 1):</translation>
    </message>
    <message>
        <source>Dry bulb %1 %2</source>
        <translation>Bulbo seco %1 %2</translation>
    </message>
    <message>
        <source>, dew point %1 %2</source>
        <translation>, punto de rocío %1 %2</translation>
    </message>
    <message>
        <source>Type the apparatus dew point as a number in %1.</source>
        <translation>Escriba el punto de rocío del aparato como un número en %1.</translation>
    </message>
    <message>
        <source>Type the bypass factor as a number from 0 up to 1.</source>
        <translation>Escriba el factor de bypass como un número de 0 a 1.</translation>
    </message>
</context>
<context>
    <name>chart::HoverReadout</name>
    <message>
        <source>Dry bulb %1</source>
        <translation>Bulbo seco %1</translation>
    </message>
    <message>
        <source>Humidity ratio %1 %2</source>
        <translation>Relación de humedad %1 %2</translation>
    </message>
    <message>
        <source>Supersaturated</source>
        <translation>Sobresaturado</translation>
    </message>
    <message>
        <source>Relative humidity %1 %</source>
        <translation>Humedad relativa %1 %</translation>
    </message>
    <message>
        <source>Wet bulb %1</source>
        <translation>Bulbo húmedo %1</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>Punto de rocío %1</translation>
    </message>
    <message>
        <source>Enthalpy %1 %2</source>
        <translation>Entalpía %1 %2</translation>
    </message>
    <message>
        <source>Specific volume %1 %2</source>
        <translation>Volumen específico %1 %2</translation>
    </message>
</context>
<context>
    <name>chart::MixDialog</name>
    <message>
        <source>Mix</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>&amp;First stream:</source>
        <translation>&amp;Primer caudal:</translation>
    </message>
    <message>
        <source>First point</source>
        <translation>Primer punto</translation>
    </message>
    <message>
        <source>&amp;Second stream:</source>
        <translation>&amp;Segundo caudal:</translation>
    </message>
    <message>
        <source>Second point</source>
        <translation>Segundo punto</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 has none.</source>
        <translation>Para mezclar, ambos puntos necesitan un caudal de aire: %1 no lo tiene.</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 and %2 have none.</source>
        <translation>Para mezclar, ambos puntos necesitan un caudal de aire: %1 y %2 no lo tienen.</translation>
    </message>
</context>
<context>
    <name>chart::MixingTableModel</name>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Mixture</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Mixture %1 of %2 and %3</source>
        <translation>Mezcla %1 de %2 y %3</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primero</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>mixture</source>
        <translation>mezcla</translation>
    </message>
    <message>
        <source>ratio</source>
        <translation>proporción</translation>
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
        <translation>Añadir punto</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>&amp;First property:</source>
        <translation>&amp;Primera propiedad:</translation>
    </message>
    <message>
        <source>&amp;Second property:</source>
        <translation>&amp;Segunda propiedad:</translation>
    </message>
    <message>
        <source>First &amp;value:</source>
        <translation>Primer &amp;valor:</translation>
    </message>
    <message>
        <source>Second va&amp;lue:</source>
        <translation>Segundo va&amp;lor:</translation>
    </message>
    <message>
        <source>%1 property</source>
        <translation>%1 propiedad</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>Valor de la %1 propiedad</translation>
    </message>
    <message>
        <source>%1 value&apos;s unit</source>
        <translation>Unidad del valor de la %1 propiedad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Left empty, the point takes the next name in sequence.</source>
        <translation>Si se deja vacío, el punto toma el siguiente nombre de la serie.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type the %1.</source>
        <translation>Escriba la propiedad «%1».</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>«%1» no es un número para la propiedad «%2».</translation>
    </message>
</context>
<context>
    <name>chart::PointTableModel</name>
    <message>
        <source>Airflow unit</source>
        <translation>Unidad de caudal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Defined by</source>
        <translation>Definido por</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>Caudal de aire</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>Aire seco</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
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
        <translation>Estado</translation>
    </message>
    <message>
        <source>The two properties the point is defined by; their cells are bold.</source>
        <translation>Las dos propiedades que definen el punto; sus celdas están en negrita.</translation>
    </message>
    <message>
        <source>Thermal comfort by ISO 7730 with the project&apos;s comfort parameters, the mean radiant temperature equal to the dry bulb.</source>
        <translation>Confort térmico según ISO 7730 con los parámetros de confort del proyecto, con la temperatura radiante media igual a la de bulbo seco.</translation>
    </message>
    <message>
        <source>Editable: a value typed here redefines the point.</source>
        <translation>Editable: un valor escrito aquí redefine el punto.</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>dentro</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>fuera</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punto %1</translation>
    </message>
    <message>
        <source>%1, %2: none</source>
        <translation>%1, %2: ninguno</translation>
    </message>
    <message>
        <source>%1, %2: none, %3</source>
        <translation>%1, %2: ninguno, %3</translation>
    </message>
    <message>
        <source>, defines the point</source>
        <translation>, define el punto</translation>
    </message>
    <message>
        <source>Defines the point</source>
        <translation>Define el punto</translation>
    </message>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>El punto %1 no es aire real: %2</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2; nothing was changed.</source>
        <translation>«%1» no es un número para la propiedad «%2»; no se cambió nada.</translation>
    </message>
    <message>
        <source>“%1” is not a number for the airflow; nothing was changed.</source>
        <translation>«%1» no es un número para el caudal de aire; no se cambió nada.</translation>
    </message>
    <message>
        <source>“%1” is not an airflow unit; choose one of %2.</source>
        <translation>«%1» no es una unidad de caudal de aire; elija una de %2.</translation>
    </message>
    <message>
        <source>Give point %1 an airflow first.</source>
        <translation>Dé primero un caudal de aire al punto %1.</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Bulbo seco</translation>
    </message>
    <message>
        <source>dry bulb</source>
        <translation>bulbo seco</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>Bulbo húmedo</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>bulbo húmedo</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humedad relativa</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Relación de humedad</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>relación de humedad</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpía</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>entalpía</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>punto de rocío</translation>
    </message>
    <message>
        <source>Vapor pressure</source>
        <translation>Presión de vapor</translation>
    </message>
    <message>
        <source>vapor pressure</source>
        <translation>presión de vapor</translation>
    </message>
    <message>
        <source>Degree of saturation</source>
        <translation>Grado de saturación</translation>
    </message>
    <message>
        <source>degree of saturation</source>
        <translation>grado de saturación</translation>
    </message>
    <message>
        <source>Specific volume</source>
        <translation>Volumen específico</translation>
    </message>
    <message>
        <source>specific volume</source>
        <translation>volumen específico</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>density</source>
        <translation>densidad</translation>
    </message>
    <message>
        <source>Absolute humidity</source>
        <translation>Humedad absoluta</translation>
    </message>
    <message>
        <source>absolute humidity</source>
        <translation>humedad absoluta</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>presión</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altitud</translation>
    </message>
    <message>
        <source>Moisture concentration</source>
        <translation>Concentración de humedad</translation>
    </message>
    <message>
        <source>moisture concentration</source>
        <translation>concentración de humedad</translation>
    </message>
</context>
<context>
    <name>chart::PointsView</name>
    <message>
        <source>State points</source>
        <translation>Puntos de estado</translation>
    </message>
    <message>
        <source>Pressure of the points</source>
        <translation>Presión de los puntos</translation>
    </message>
    <message>
        <source>One row per point. F2, Enter or typing edits a cell; Delete deletes the selected points.</source>
        <translation>Una fila por punto. F2, Intro o escribir edita una celda; Supr elimina los puntos seleccionados.</translation>
    </message>
    <message>
        <source>Add the &amp;calculator&apos;s state</source>
        <translation>Añadir el estado de la &amp;calculadora</translation>
    </message>
    <message>
        <source>Add the calculator&apos;s state</source>
        <translation>Añadir el estado de la calculadora</translation>
    </message>
    <message>
        <source>Adds the calculator&apos;s state as a point defined by its two ticked inputs.</source>
        <translation>Añade el estado de la calculadora como un punto definido por sus dos entradas marcadas.</translation>
    </message>
    <message>
        <source>&amp;Add Point...</source>
        <translation>&amp;Añadir punto...</translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation>Añadir punto</translation>
    </message>
    <message>
        <source>&amp;Delete Point</source>
        <translation>&amp;Eliminar punto</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Eliminar punto</translation>
    </message>
    <message>
        <source>Deletes the selected points (Delete); Undo brings them back.</source>
        <translation>Elimina los puntos seleccionados (Supr); Deshacer los recupera.</translation>
    </message>
    <message>
        <source>Points message</source>
        <translation>Mensaje de los puntos</translation>
    </message>
    <message>
        <source>S&amp;tate points:</source>
        <translation>Pun&amp;tos de estado:</translation>
    </message>
    <message>
        <source>All points at %1 %2</source>
        <translation>Todos los puntos a %1 %2</translation>
    </message>
    <message>
        <source> (altitude %1 %2)</source>
        <translation> (altitud %1 %2)</translation>
    </message>
    <message>
        <source>, %1 units</source>
        <translation>, unidades %1</translation>
    </message>
    <message>
        <source>Point %1 is solved at the points&apos; pressure, %2 %3, not the calculator&apos;s.</source>
        <translation>El punto %1 se calcula a la presión de los puntos, %2 %3, no a la de la calculadora.</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>Eliminar el punto %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n points</source>
        <translation>
            <numerusform>Eliminar %n punto</numerusform>
            <numerusform>Eliminar %n puntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chart::ProcessTableModel</name>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
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
        <translation>Total</translation>
    </message>
    <message>
        <source>SHR</source>
        <translation>FCS</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>ADP</source>
        <translation>PRA</translation>
    </message>
    <message>
        <source>Bypass factor</source>
        <translation>Factor de bypass</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Process %1 to %2</source>
        <translation>Proceso de %1 a %2</translation>
    </message>
    <message>
        <source>from</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>process</source>
        <translation>proceso</translation>
    </message>
    <message>
        <source>dry-bulb change</source>
        <translation>cambio de temperatura seca</translation>
    </message>
    <message>
        <source>humidity-ratio change</source>
        <translation>cambio de relación de humedad</translation>
    </message>
    <message>
        <source>enthalpy change</source>
        <translation>cambio de entalpía</translation>
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
        <translation>total</translation>
    </message>
    <message>
        <source>sensible heat ratio</source>
        <translation>factor de calor sensible</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>apparatus dew point</source>
        <translation>punto de rocío del aparato</translation>
    </message>
    <message>
        <source>bypass factor</source>
        <translation>factor de bypass</translation>
    </message>
    <message>
        <source>message</source>
        <translation>mensaje</translation>
    </message>
    <message>
        <source>%1, no %2</source>
        <translation>%1, sin %2</translation>
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
        <translation>Procesos y mezclas</translation>
    </message>
    <message>
        <source>Heat unit</source>
        <translation>Unidad de potencia térmica</translation>
    </message>
    <message>
        <source>&amp;Heat unit:</source>
        <translation>Unidad de potencia &amp;térmica:</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <source>&amp;Processes</source>
        <translation>&amp;Procesos</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>Mezclas</translation>
    </message>
    <message>
        <source>Mi&amp;xtures</source>
        <translation>Me&amp;zclas</translation>
    </message>
    <message>
        <source>&amp;Add Process...</source>
        <translation>&amp;Añadir proceso...</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>Añadir proceso</translation>
    </message>
    <message>
        <source>Cooling &amp;Coil...</source>
        <translation>&amp;Batería de frío...</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>Batería de frío</translation>
    </message>
    <message>
        <source>&amp;Mix...</source>
        <translation>&amp;Mezclar...</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>A process needs two points: add them on the chart first.</source>
        <translation>Un proceso necesita dos puntos: añádalos primero en el diagrama.</translation>
    </message>
    <message>
        <source>Process added.</source>
        <translation>Proceso añadido.</translation>
    </message>
    <message>
        <source>A cooling coil needs the point of its entering air: add it on the chart first.</source>
        <translation>Una batería de frío necesita el punto de su aire de entrada: añádalo primero en el diagrama.</translation>
    </message>
    <message>
        <source>Cooling coil added: its leaving air is a new point.</source>
        <translation>Batería de frío añadida: su aire de salida es un punto nuevo.</translation>
    </message>
    <message>
        <source>Mixing needs two points with airflows: add them on the chart first.</source>
        <translation>Mezclar necesita dos puntos con caudal de aire: añádalos primero en el diagrama.</translation>
    </message>
    <message>
        <source>Mixture added as a new point.</source>
        <translation>Mezcla añadida como punto nuevo.</translation>
    </message>
    <message>
        <source>Process deleted (Undo brings it back).</source>
        <translation>Proceso eliminado (Deshacer lo recupera).</translation>
    </message>
    <message>
        <source>Mixture record deleted; its point stays (Undo brings the record back).</source>
        <translation>Mezcla eliminada; su punto se queda (Deshacer recupera la mezcla).</translation>
    </message>
    <message>
        <source>Select a process or a mixture to delete.</source>
        <translation>Seleccione un proceso o una mezcla para eliminar.</translation>
    </message>
    <message>
        <source>Processes message</source>
        <translation>Mensaje de los procesos</translation>
    </message>
</context>
<context>
    <name>chart::ProjectEditDialog</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Dialog buttons</source>
        <translation>Botones del diálogo</translation>
    </message>
    <message>
        <source>The project is closed.</source>
        <translation>El proyecto está cerrado.</translation>
    </message>
</context>
<context>
    <name>chart::ProjectInteraction</name>
    <message>
        <source>No point added: Shift + double-click inside the plot.</source>
        <translation>No se añadió ningún punto: Mayús + doble clic dentro del gráfico.</translation>
    </message>
    <message>
        <source>No point added: there is no air above the saturation curve.</source>
        <translation>No se añadió ningún punto: no hay aire por encima de la curva de saturación.</translation>
    </message>
    <message>
        <source>No point added: %1</source>
        <translation>No se añadió ningún punto: %1</translation>
    </message>
    <message>
        <source>there is no air here.</source>
        <translation>aquí no hay aire.</translation>
    </message>
</context>
<context>
    <name>chart::ProjectLayer</name>
    <message>
        <source>Comfort zone</source>
        <translation>Zona de confort</translation>
    </message>
    <message>
        <source>Data room</source>
        <translation>Sala de datos</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1, no se muestra: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 %5</source>
        <translation>%1: %2 %3, %4 %5</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>Sin puntos</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 a %2: %3</translation>
    </message>
    <message>
        <source>Processes: %1</source>
        <translation>Procesos: %1</translation>
    </message>
    <message>
        <source>%1 mixes %2 %3 % and %4 %5 % of the dry air</source>
        <translation>%1 mezcla %2 %3 % y %4 %5 % del aire seco</translation>
    </message>
    <message>
        <source>Mixtures: %1</source>
        <translation>Mezclas: %1</translation>
    </message>
    <message>
        <source>thermal comfort zone</source>
        <translation>zona de confort térmico</translation>
    </message>
    <message>
        <source>data-processing room envelope</source>
        <translation>envolvente de salas de datos</translation>
    </message>
    <message>
        <source>Zones shown: %1</source>
        <translation>Zonas mostradas: %1</translation>
    </message>
</context>
<context>
    <name>chart::PsychroChart</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Restablecer zoom</translation>
    </message>
    <message>
        <source>A&amp;SHRAE Chart</source>
        <translation>Diagrama A&amp;SHRAE</translation>
    </message>
    <message>
        <source>&amp;Mollier h-x Diagram</source>
        <translation>Diagrama de &amp;Mollier h-x</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Chart As</source>
        <translation>Guardar diagrama como</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1.</source>
        <translation>No se pudo guardar el diagrama en %1.</translation>
    </message>
</context>
<context>
    <name>chart::WeatherLayers</name>
    <message>
        <source>Hours per cell</source>
        <translation>Horas por celda</translation>
    </message>
</context>
<context>
    <name>chart::WeatherPanel</name>
    <message>
        <source>Weather file, hours shown, zones and limits</source>
        <translation>Archivo meteorológico, horas mostradas, zonas y límites</translation>
    </message>
    <message>
        <source>Hours shown</source>
        <translation>Horas mostradas</translation>
    </message>
    <message>
        <source>Density shading (hours per cell)</source>
        <translation>Sombreado de densidad (horas por celda)</translation>
    </message>
    <message>
        <source>Dots coloured by month</source>
        <translation>Puntos coloreados por mes</translation>
    </message>
    <message>
        <source>Count %1</source>
        <translation>Contar %1</translation>
    </message>
    <message>
        <source>&amp;Hours from</source>
        <translation>&amp;Horas desde</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>h&amp;asta</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Thermal &amp;comfort (PMV)</source>
        <translation>Confort &amp;térmico (PMV)</translation>
    </message>
    <message>
        <source>Summer, 0.5 clo</source>
        <translation>Verano, 0,5 clo</translation>
    </message>
    <message>
        <source>Winter, 1.0 clo</source>
        <translation>Invierno, 1,0 clo</translation>
    </message>
    <message>
        <source>&amp;Data-room envelope</source>
        <translation>Envolvente de sala de &amp;datos</translation>
    </message>
    <message>
        <source>&amp;User zone</source>
        <translation>Zona de &amp;usuario</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sin límite</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>Recuento de horas</translation>
    </message>
    <message>
        <source>Hours of the filtered months and hours of the day inside each zone shown and above and below each limit, with their share of the filtered hours.</source>
        <translation>Horas de los meses y horas del día filtrados dentro de cada zona mostrada y por encima y por debajo de cada límite, con su fracción de las horas filtradas.</translation>
    </message>
    <message>
        <source>Design conditions</source>
        <translation>Condiciones de diseño</translation>
    </message>
    <message>
        <source>Climatic design conditions computed from all hours of the file, beside the values its header gives.</source>
        <translation>Condiciones climáticas de diseño calculadas con todas las horas del archivo, junto a los valores de su cabecera.</translation>
    </message>
    <message>
        <source>Hour count&amp;s</source>
        <translation>Re&amp;cuento de horas</translation>
    </message>
    <message>
        <source>Desi&amp;gn conditions (all hours)</source>
        <translation>Condiciones de dis&amp;eño (todas las horas)</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>Archivo meteorológico</translation>
    </message>
    <message>
        <source>Chart pressure</source>
        <translation>Presión del diagrama</translation>
    </message>
    <message>
        <source>Weather file message</source>
        <translation>Mensaje del archivo meteorológico</translation>
    </message>
    <message>
        <source>Rows skipped</source>
        <translation>Filas omitidas</translation>
    </message>
    <message>
        <source>Hours shown as</source>
        <translation>Horas mostradas como</translation>
    </message>
    <message>
        <source>Density shading colours each cell of the chart by the hours in it; dots mark every hour in the colour of its month.</source>
        <translation>El sombreado de densidad colorea cada celda del diagrama según sus horas; los puntos marcan cada hora con el color de su mes.</translation>
    </message>
    <message>
        <source>First hour of the day counted</source>
        <translation>Primera hora del día contada</translation>
    </message>
    <message>
        <source>Last hour of the day counted</source>
        <translation>Última hora del día contada</translation>
    </message>
    <message>
        <source>Hours that start from this hour to the last hour, inclusive, are drawn and counted; a range past midnight counts the night.</source>
        <translation>Se dibujan y cuentan las horas que empiezan desde esta hora hasta la última, inclusive; un intervalo que pasa la medianoche cuenta la noche.</translation>
    </message>
    <message>
        <source>Show the thermal comfort zone</source>
        <translation>Mostrar la zona de confort térmico</translation>
    </message>
    <message>
        <source>Air in which the predicted mean vote of ISO 7730 lies within plus or minus 0.5 at 1.1 met and 0.1 m/s, humidity ratio at most 0.012.</source>
        <translation>Aire en el que el voto medio estimado de la ISO 7730 queda entre más y menos 0,5 a 1,1 met y 0,1 m/s, relación de humedad como máximo 0,012.</translation>
    </message>
    <message>
        <source>Clothing of the comfort zone</source>
        <translation>Vestimenta de la zona de confort</translation>
    </message>
    <message>
        <source>Show the data-room envelope</source>
        <translation>Mostrar la envolvente de sala de datos</translation>
    </message>
    <message>
        <source>The recommended envelope for data-processing rooms: 18 to 27 °C, dew point -9 to 15 °C, at most 60 % relative humidity.</source>
        <translation>La envolvente recomendada para salas de proceso de datos: 18 a 27 °C, punto de rocío -9 a 15 °C, como máximo 60 % de humedad relativa.</translation>
    </message>
    <message>
        <source>Show the user zone</source>
        <translation>Mostrar la zona de usuario</translation>
    </message>
    <message>
        <source>A zone of the limits below; a limit left empty does not apply.</source>
        <translation>Una zona de los límites de abajo; un límite vacío no se aplica.</translation>
    </message>
    <message>
        <source>User zone problem</source>
        <translation>Problema de la zona de usuario</translation>
    </message>
    <message>
        <source>Dry bulb limit</source>
        <translation>Límite de bulbo seco</translation>
    </message>
    <message>
        <source>Dew point limit</source>
        <translation>Límite de punto de rocío</translation>
    </message>
    <message>
        <source>Humidity ratio limit</source>
        <translation>Límite de relación de humedad</translation>
    </message>
    <message>
        <source>The hour counts give the hours above and below this value.</source>
        <translation>El recuento de horas da las horas por encima y por debajo de este valor.</translation>
    </message>
    <message>
        <source>Dry bulb min (%1)</source>
        <translation>Bulbo seco mín. (%1)</translation>
    </message>
    <message>
        <source>Dry bulb max (%1)</source>
        <translation>Bulbo seco máx. (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio min (%1)</source>
        <translation>Rel. de humedad mín. (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio max (%1)</source>
        <translation>Rel. de humedad máx. (%1)</translation>
    </message>
    <message>
        <source>RH max (%)</source>
        <translation>HR máx. (%)</translation>
    </message>
    <message>
        <source>Dew point min (%1)</source>
        <translation>Punto de rocío mín. (%1)</translation>
    </message>
    <message>
        <source>Dew point max (%1)</source>
        <translation>Punto de rocío máx. (%1)</translation>
    </message>
    <message>
        <source>User zone %1</source>
        <translation>Zona de usuario %1</translation>
    </message>
    <message>
        <source>Dr&amp;y bulb (%1)</source>
        <translation>Bulbo &amp;seco (%1)</translation>
    </message>
    <message>
        <source>Dew &amp;point (%1)</source>
        <translation>Punto de &amp;rocío (%1)</translation>
    </message>
    <message>
        <source>Humidity &amp;ratio (%1)</source>
        <translation>Relación de hu&amp;medad (%1)</translation>
    </message>
    <message>
        <source>Not a number: %1.</source>
        <translation>No es un número: %1.</translation>
    </message>
    <message>
        <source>comfort zone (summer, 0.5 clo)</source>
        <translation>zona de confort (verano, 0,5 clo)</translation>
    </message>
    <message>
        <source>comfort zone (winter, 1.0 clo)</source>
        <translation>zona de confort (invierno, 1,0 clo)</translation>
    </message>
    <message>
        <source>data-room envelope</source>
        <translation>envolvente de sala de datos</translation>
    </message>
    <message>
        <source>user zone</source>
        <translation>zona de usuario</translation>
    </message>
    <message>
        <source>Chart at %1 (site elevation %2 m)</source>
        <translation>Diagrama a %1 (altitud del emplazamiento %2 m)</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19,812 m).</source>
        <translation>Diagrama a %1, la presión mediana de las horas del archivo: la altitud del emplazamiento está fuera del rango del polinomio de altitud (-609,6 m a 19.812 m).</translation>
    </message>
    <message>
        <source>Chart at %1, %2: the file gives no elevation and no pressure, so its hours are taken at %2.</source>
        <translation>Diagrama a %1, %2: el archivo no da altitud ni presión, así que sus horas se toman a %2.</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the file gives no elevation.</source>
        <translation>Diagrama a %1, la presión mediana de las horas del archivo: el archivo no da altitud.</translation>
    </message>
    <message>
        <source>1 hour skipped: %1</source>
        <translation>1 hora omitida: %1</translation>
    </message>
    <message>
        <source>%1 hours skipped: %2</source>
        <translation>%1 horas omitidas: %2</translation>
    </message>
    <message>
        <source>The file has %1 data rows; a year has %2.</source>
        <translation>El archivo tiene %1 filas de datos; un año tiene %2.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Emplazamiento: %1</translation>
    </message>
    <message>
        <source>%1 hours read</source>
        <translation>%1 horas leídas</translation>
    </message>
    <message>
        <source>No weather file. File &gt; Open Weather File... reads an EPW file or a CSV file of hourly weather.</source>
        <translation>Sin archivo meteorológico. Archivo &gt; Abrir archivo meteorológico... lee un archivo EPW o un archivo CSV de datos horarios.</translation>
    </message>
</context>
<context>
    <name>chart::WeatherStatistics</name>
    <message>
        <source>Statistic</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Share of filtered hours (%)</source>
        <translation>Fracción de horas filtradas (%)</translation>
    </message>
    <message>
        <source>Hours read</source>
        <translation>Horas leídas</translation>
    </message>
    <message>
        <source>Hours in the filter</source>
        <translation>Horas en el filtro</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>Bulbo seco</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>Relación de humedad</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 por encima de %2</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 por debajo de %2</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitidas: %1</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condición</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>From the hours</source>
        <translation>Según las horas</translation>
    </message>
    <message>
        <source>From the file header</source>
        <translation>Según la cabecera del archivo</translation>
    </message>
    <message>
        <source>Dry bulb (%1)</source>
        <translation>Bulbo seco (%1)</translation>
    </message>
    <message>
        <source>Heating 99.6 %</source>
        <translation>Invierno 99,6&#xa0;%</translation>
    </message>
    <message>
        <source>Heating 99 %</source>
        <translation>Invierno 99&#xa0;%</translation>
    </message>
    <message>
        <source>Cooling %1 %</source>
        <translation>Verano %1&#xa0;%</translation>
    </message>
    <message>
        <source>Mean coincident wet bulb (%1)</source>
        <translation>Bulbo húmedo medio coincidente (%1)</translation>
    </message>
    <message>
        <source>Dew point 0.4 %</source>
        <translation>Punto de rocío 0,4&#xa0;%</translation>
    </message>
    <message>
        <source>Dew point (%1)</source>
        <translation>Punto de rocío (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio (%1)</source>
        <translation>Relación de humedad (%1)</translation>
    </message>
    <message>
        <source>Mean coincident dry bulb (%1)</source>
        <translation>Bulbo seco medio coincidente (%1)</translation>
    </message>
</context>
<context>
    <name>chart::ZonesView</name>
    <message>
        <source>Dry bulb min</source>
        <translation>Bulbo seco mín.</translation>
    </message>
    <message>
        <source>Dry bulb max</source>
        <translation>Bulbo seco máx.</translation>
    </message>
    <message>
        <source>Humidity ratio min</source>
        <translation>Relación de humedad mín.</translation>
    </message>
    <message>
        <source>Humidity ratio max</source>
        <translation>Relación de humedad máx.</translation>
    </message>
    <message>
        <source>RH min</source>
        <translation>HR mín.</translation>
    </message>
    <message>
        <source>RH max</source>
        <translation>HR máx.</translation>
    </message>
    <message>
        <source>Dew point min</source>
        <translation>Punto de rocío mín.</translation>
    </message>
    <message>
        <source>Dew point max</source>
        <translation>Punto de rocío máx.</translation>
    </message>
    <message>
        <source>&amp;Thermal comfort zone (|PMV| ≤ 0.5)</source>
        <translation>Zona de &amp;confort térmico (|PMV| ≤ 0.5)</translation>
    </message>
    <message>
        <source>Thermal comfort zone</source>
        <translation>Zona de confort térmico</translation>
    </message>
    <message>
        <source>Metabolic rate, met</source>
        <translation>Tasa metabólica, met</translation>
    </message>
    <message>
        <source>Clothing insulation, clo</source>
        <translation>Aislamiento de la ropa, clo</translation>
    </message>
    <message>
        <source>Air speed, m/s</source>
        <translation>Velocidad del aire, m/s</translation>
    </message>
    <message>
        <source>&amp;Metabolic rate:</source>
        <translation>Tasa &amp;metabólica:</translation>
    </message>
    <message>
        <source>C&amp;lothing:</source>
        <translation>&amp;Ropa:</translation>
    </message>
    <message>
        <source>Air s&amp;peed:</source>
        <translation>Veloci&amp;dad del aire:</translation>
    </message>
    <message>
        <source>&amp;Summer (0.5 clo)</source>
        <translation>Vera&amp;no (0.5 clo)</translation>
    </message>
    <message>
        <source>Summer comfort preset</source>
        <translation>Ajuste de confort de verano</translation>
    </message>
    <message>
        <source>W&amp;inter (1.0 clo)</source>
        <translation>&amp;Invierno (1.0 clo)</translation>
    </message>
    <message>
        <source>Winter comfort preset</source>
        <translation>Ajuste de confort de invierno</translation>
    </message>
    <message>
        <source>&amp;Data-processing room envelope</source>
        <translation>Envolvente de &amp;salas de datos</translation>
    </message>
    <message>
        <source>Data-processing room envelope</source>
        <translation>Envolvente de salas de datos</translation>
    </message>
    <message>
        <source>18–27 °C, dew point −9–15 °C, RH ≤ 60 %</source>
        <translation>18–27 °C, punto de rocío −9–15 °C, HR ≤ 60 %</translation>
    </message>
    <message>
        <source>&amp;User zones:</source>
        <translation>Zonas &amp;propias:</translation>
    </message>
    <message>
        <source>User zones</source>
        <translation>Zonas propias</translation>
    </message>
    <message>
        <source>One row per zone: its name, its limits, an empty cell for none, and whether it is shown.</source>
        <translation>Una fila por zona: su nombre, sus límites (una celda vacía para ninguno) y si se muestra.</translation>
    </message>
    <message>
        <source>&amp;Add zone</source>
        <translation>A&amp;ñadir zona</translation>
    </message>
    <message>
        <source>Add zone</source>
        <translation>Añadir zona</translation>
    </message>
    <message>
        <source>&amp;Remove zone</source>
        <translation>&amp;Quitar zona</translation>
    </message>
    <message>
        <source>Remove zone</source>
        <translation>Quitar zona</translation>
    </message>
    <message>
        <source>Zones message</source>
        <translation>Mensaje de zonas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zona %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>About Vaporwright</source>
        <translation>Acerca de Vaporwright</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmDisclaimer</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Vaporwright:  D I S C L A I M E R</source>
        <translation>Vaporwright:  A V I S O   L E G A L</translation>
    </message>
    <message>
        <source>Error:  Vaporwright</source>
        <translation>Error:  Vaporwright</translation>
    </message>
    <message>
        <source>The file DISCLAIMER.TXT could not be located.
Please re-install Vaporwright.</source>
        <translation>No se encontró el archivo DISCLAIMER.TXT.
Vuelva a instalar Vaporwright.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Dry Bulb Temperature</source>
        <translation>Temperatura de bulbo seco</translation>
    </message>
    <message>
        <source>Temperature of the air as an ordinary thermometer reads it.</source>
        <translation>Temperatura del aire tal como la lee un termómetro común.</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature</source>
        <translation>Temperatura de bulbo húmedo</translation>
    </message>
    <message>
        <source>Temperature a wetted thermometer reaches as water evaporates from it into the air.</source>
        <translation>Temperatura que alcanza un termómetro mojado mientras el agua se evapora de él hacia el aire.</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Humedad relativa</translation>
    </message>
    <message>
        <source>Vapor pressure as a share of the saturation vapor pressure at the dry bulb temperature.</source>
        <translation>Presión de vapor como fracción de la presión de vapor de saturación a la temperatura de bulbo seco.</translation>
    </message>
    <message>
        <source>Humidity Ratio</source>
        <translation>Relación de humedad</translation>
    </message>
    <message>
        <source>Mass of water vapor per mass of dry air.</source>
        <translation>Masa de vapor de agua por masa de aire seco.</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpía</translation>
    </message>
    <message>
        <source>Heat content of the moist air per mass of dry air.</source>
        <translation>Contenido de calor del aire húmedo por masa de aire seco.</translation>
    </message>
    <message>
        <source>Dew Point Temperature</source>
        <translation>Temperatura de punto de rocío</translation>
    </message>
    <message>
        <source>Temperature at which the air becomes saturated when cooled at constant moisture.</source>
        <translation>Temperatura a la que el aire se satura al enfriarse con humedad constante.</translation>
    </message>
    <message>
        <source>Vapor Pressure</source>
        <translation>Presión de vapor</translation>
    </message>
    <message>
        <source>Partial pressure of the water vapor in the air.</source>
        <translation>Presión parcial del vapor de agua en el aire.</translation>
    </message>
    <message>
        <source>Degree of Saturation</source>
        <translation>Grado de saturación</translation>
    </message>
    <message>
        <source>Humidity ratio as a share of the humidity ratio of saturated air at the same temperature.</source>
        <translation>Relación de humedad como fracción de la del aire saturado a la misma temperatura.</translation>
    </message>
    <message>
        <source>Specific Volume</source>
        <translation>Volumen específico</translation>
    </message>
    <message>
        <source>Volume of moist air per mass of dry air.</source>
        <translation>Volumen de aire húmedo por masa de aire seco.</translation>
    </message>
    <message>
        <source>Moist Air Density</source>
        <translation>Densidad del aire húmedo</translation>
    </message>
    <message>
        <source>Mass of moist air per volume.</source>
        <translation>Masa de aire húmedo por volumen.</translation>
    </message>
    <message>
        <source>Absolute Humidity</source>
        <translation>Humedad absoluta</translation>
    </message>
    <message>
        <source>Mass of water vapor per volume of moist air.</source>
        <translation>Masa de vapor de agua por volumen de aire húmedo.</translation>
    </message>
    <message>
        <source>Atmospheric Pressure</source>
        <translation>Presión atmosférica</translation>
    </message>
    <message>
        <source>Local atmospheric pressure.</source>
        <translation>Presión atmosférica del lugar.</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Local elevation above sea level.</source>
        <translation>Altitud del lugar sobre el nivel del mar.</translation>
    </message>
    <message>
        <source>Moisture Concentration</source>
        <translation>Concentración de humedad</translation>
    </message>
    <message>
        <source>Water vapor content of the air in parts per million.</source>
        <translation>Contenido de vapor de agua del aire en partes por millón.</translation>
    </message>
    <message>
        <source>Input: typed when its check box is ticked, otherwise computed from the two ticked inputs.</source>
        <translation>Entrada: se escribe cuando su casilla está marcada; si no, se calcula a partir de las dos entradas marcadas.</translation>
    </message>
    <message>
        <source>Result, computed from the two ticked inputs.</source>
        <translation>Resultado, calculado a partir de las dos entradas marcadas.</translation>
    </message>
    <message>
        <source>Pressure entry: typed when its option button is selected, otherwise computed from the other pressure entry.</source>
        <translation>Dato de presión: se escribe cuando su botón de opción está elegido; si no, se calcula a partir del otro dato de presión.</translation>
    </message>
    <message>
        <source>Computes the properties of moist air from two inputs at a given atmospheric pressure or altitude. Tab moves through the entries and buttons; the Up and Down arrows move from field to field, results included; Ctrl+Plus and Ctrl+Minus show more or fewer decimal places in the field that has the focus.</source>
        <translation>Calcula las propiedades del aire húmedo a partir de dos entradas, a una presión atmosférica o altitud dada. Tab recorre las entradas y los botones; las flechas arriba y abajo van de campo en campo, resultados incluidos; Ctrl+Más y Ctrl+Menos muestran más o menos decimales en el campo que tiene el foco.</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Unidad de %1</translation>
    </message>
    <message>
        <source>%1. Ticked, the %2 field takes a typed value.</source>
        <translation>%1. Marcada, el campo %2 admite un valor escrito.</translation>
    </message>
    <message>
        <source>Enter the local atmospheric pressure directly; the altitude follows from it.</source>
        <translation>Escribir directamente la presión atmosférica del lugar; la altitud se deduce de ella.</translation>
    </message>
    <message>
        <source>Enter the local elevation; the atmospheric pressure follows from it.</source>
        <translation>Escribir la altitud del lugar; la presión atmosférica se deduce de ella.</translation>
    </message>
    <message>
        <source>Shows every field in inch-pound units.</source>
        <translation>Muestra todos los campos en unidades anglosajonas.</translation>
    </message>
    <message>
        <source>Shows every field in metric (SI) units.</source>
        <translation>Muestra todos los campos en unidades métricas (SI).</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clears the inputs and the results.</source>
        <translation>Borra las entradas y los resultados.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Computes every property from the two ticked inputs.</source>
        <translation>Calcula todas las propiedades a partir de las dos entradas marcadas.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Hides the calculator window; the tray icon brings it back.</source>
        <translation>Oculta la ventana de la calculadora; el icono de la bandeja la recupera.</translation>
    </message>
    <message>
        <source>More Digits</source>
        <translation>Más decimales</translation>
    </message>
    <message>
        <source>Shows one more decimal place in the field last left.</source>
        <translation>Muestra un decimal más en el último campo abandonado.</translation>
    </message>
    <message>
        <source>Less Digits</source>
        <translation>Menos decimales</translation>
    </message>
    <message>
        <source>Shows one decimal place less in the field last left.</source>
        <translation>Muestra un decimal menos en el último campo abandonado.</translation>
    </message>
    <message>
        <source>Vaporwright on the web</source>
        <translation>Vaporwright en la web</translation>
    </message>
    <message>
        <source>Website link: opens the maker&apos;s website in the browser. Space opens it.</source>
        <translation>Enlace web: abre el sitio del fabricante en el navegador. La barra espaciadora lo abre.</translation>
    </message>
    <message>
        <source>Unit System and Digits</source>
        <translation>Sistema de unidades y decimales</translation>
    </message>
    <message>
        <source>Chooses the unit system and the number of decimal places shown.</source>
        <translation>Elige el sistema de unidades y el número de decimales mostrados.</translation>
    </message>
    <message>
        <source>The local pressure, given directly or through the altitude.</source>
        <translation>La presión del lugar, dada directamente o mediante la altitud.</translation>
    </message>
    <message>
        <source>Select Input and Compute Results</source>
        <translation>Elegir entradas y calcular resultados</translation>
    </message>
    <message>
        <source>Tick two inputs, type their values, and every other property is computed.</source>
        <translation>Marque dos entradas, escriba sus valores, y se calculan todas las demás propiedades.</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>Why the results are empty, when they are; read out as it changes.</source>
        <translation>Por qué los resultados están vacíos, cuando lo están; se lee en voz alta al cambiar.</translation>
    </message>
    <message>
        <source>In percent.</source>
        <translation>En porcentaje.</translation>
    </message>
    <message>
        <source>The unit is chosen in the list beside it.</source>
        <translation>La unidad se elige en la lista de al lado.</translation>
    </message>
    <message>
        <source>In %1; the unit is chosen in the list beside it.</source>
        <translation>En %1; la unidad se elige en la lista de al lado.</translation>
    </message>
    <message>
        <source>Unit of the %1 field, now %2; choosing another unit shows the value converted to it.</source>
        <translation>Unidad del campo %1, ahora %2; elegir otra unidad muestra el valor convertido.</translation>
    </message>
    <message>
        <source>Unit of the %1 field; choosing another unit shows the value converted to it.</source>
        <translation>Unidad del campo %1; elegir otra unidad muestra el valor convertido.</translation>
    </message>
    <message>
        <source>Psychrometric Calculations:  ASHRAE Formulation</source>
        <translation>Cálculos psicrométricos:  fórmulas de ASHRAE</translation>
    </message>
    <message>
        <source>Dew Point Temperature:</source>
        <translation>Temperatura de rocío:</translation>
    </message>
    <message>
        <source>Vapor Pressure:</source>
        <translation>Presión de vapor:</translation>
    </message>
    <message>
        <source>Degree of Saturation:</source>
        <translation>Grado de saturación:</translation>
    </message>
    <message>
        <source>Specific Volume:</source>
        <translation>Volumen específico:</translation>
    </message>
    <message>
        <source>Moist Air Density:</source>
        <translation>Densidad del aire húmedo:</translation>
    </message>
    <message>
        <source>Absolute Humidity:</source>
        <translation>Humedad absoluta:</translation>
    </message>
    <message>
        <source>Moisture Concentration:</source>
        <translation>Concentración de humedad:</translation>
    </message>
    <message>
        <source>Dry Bulb Temperature:</source>
        <translation>Temperatura de bulbo seco:</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature:</source>
        <translation>Temperatura de bulbo húmedo:</translation>
    </message>
    <message>
        <source>Relative Humidity:</source>
        <translation>Humedad relativa:</translation>
    </message>
    <message>
        <source>Humidity Ratio:</source>
        <translation>Relación de humedad:</translation>
    </message>
    <message>
        <source>Enthalpy:</source>
        <translation>Entalpía:</translation>
    </message>
    <message>
        <source>&amp;IP Engineering Units</source>
        <translation>Unidades &amp;IP</translation>
    </message>
    <message>
        <source>&amp;SI Engineering Units</source>
        <translation>Unidades &amp;SI</translation>
    </message>
    <message>
        <source>Imperial Units of Measurement</source>
        <translation>Unidades de medida anglosajonas</translation>
    </message>
    <message>
        <source>Systema International Units of Meaurement</source>
        <translation>Unidades del Sistema Internacional</translation>
    </message>
    <message>
        <source>Display More Digits</source>
        <translation>Mostrar más decimales</translation>
    </message>
    <message>
        <source>Display Less Digits</source>
        <translation>Mostrar menos decimales</translation>
    </message>
    <message>
        <source>&amp;Atmospheric Pressure:</source>
        <translation>&amp;Presión atmosférica:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>Al&amp;titud:</translation>
    </message>
    <message>
        <source>Select to Directly enter the Local Atmospheric Pressure</source>
        <translation>Elegir para escribir directamente la presión atmosférica del lugar</translation>
    </message>
    <message>
        <source>Select to enter the Local Elevation to Compute Atmospheric  Pressure</source>
        <translation>Elegir para escribir la altitud del lugar y calcular con ella la presión atmosférica</translation>
    </message>
    <message>
        <source>Select 2 of the 5 Inputs to Compute Properties</source>
        <translation>Elija 2 de las 5 entradas para calcular las propiedades</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear the Input and Calculations</source>
        <translation>Borrar las entradas y los cálculos</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Compute Properties</source>
        <translation>Calcular las propiedades</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Website Link</source>
        <translation>Enlace web</translation>
    </message>
    <message>
        <source>Visit our website for updates, help and other engineering tools.</source>
        <translation>Visite nuestro sitio web para actualizaciones, ayuda y otras herramientas de ingeniería.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Keep Calculator on Top</source>
        <translation>&amp;Mantener la calculadora siempre visible</translation>
    </message>
    <message>
        <source>&amp;View Disclaimer</source>
        <translation>Ver el a&amp;viso legal</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Psychrometric &amp;Chart</source>
        <translation>&amp;Diagrama psicrométrico</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Buscar en la ayuda...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Vaporwright</translation>
    </message>
    <message>
        <source>&amp;Open Vaporwright</source>
        <translation>A&amp;brir Vaporwright</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>frmReadDisclaimer</name>
    <message>
        <source>&amp;Read the Disclaimer</source>
        <translation>&amp;Leer el aviso legal</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>He leído el aviso legal y:</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>&amp;Rechazo</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>A&amp;cepto</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>No mostrar al iniciar</translation>
    </message>
    <message>
        <source>Vaporwright:  READ THE DISCLAIMER</source>
        <translation>Vaporwright:  LEA EL AVISO LEGAL</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The language of the interface for this run: %1, or System for the system&apos;s. View &gt; Language chooses it for every run.</source>
        <translation>El idioma de la interfaz para esta ejecución: %1, o System para el del sistema. Ver &gt; Idioma lo elige para todas las ejecuciones.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot; for --lang; choose one of %2, or System.</source>
        <translation>Idioma «%1» desconocido para --lang; elija uno de %2, o System.</translation>
    </message>
    <message>
        <source>A calculator of the properties of moist air, with a psychrometric chart.</source>
        <translation>Una calculadora de las propiedades del aire húmedo, con diagrama psicrométrico.</translation>
    </message>
    <message>
        <source>A project file (.vwproj) to open in the chart window.</source>
        <translation>Un archivo de proyecto (.vwproj) que abrir en la ventana del diagrama.</translation>
    </message>
    <message>
        <source>project</source>
        <translation>proyecto</translation>
    </message>
    <message>
        <source>[project]</source>
        <translation>[proyecto]</translation>
    </message>
</context>
<context>
    <name>processes::Problem</name>
    <message>
        <source>The dry bulb lies outside -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>La temperatura de bulbo seco está fuera de -148 °F a 400 °F (-100 °C a 204,4 °C).</translation>
    </message>
    <message>
        <source>The humidity ratio is below zero.</source>
        <translation>La relación de humedad es menor que cero.</translation>
    </message>
    <message>
        <source>The point holds more water than saturated air: it is fog, not air.</source>
        <translation>El punto contiene más agua que el aire saturado: es niebla, no aire.</translation>
    </message>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>La presión atmosférica debe ser mayor que cero y como máximo diez atmósferas.</translation>
    </message>
    <message>
        <source>The two points are the same air.</source>
        <translation>Los dos puntos son el mismo aire.</translation>
    </message>
    <message>
        <source>The two points are at different atmospheric pressures.</source>
        <translation>Los dos puntos están a presiones atmosféricas distintas.</translation>
    </message>
    <message>
        <source>The airflow must be greater than zero.</source>
        <translation>El caudal de aire debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The process line does not meet the saturation curve below the leaving air.</source>
        <translation>La línea del proceso no corta la curva de saturación por debajo del aire de salida.</translation>
    </message>
    <message>
        <source>The apparatus dew point must lie below the entering air&apos;s dry bulb and no higher than its dew point.</source>
        <translation>El punto de rocío del aparato debe estar por debajo de la temperatura seca del aire de entrada y no por encima de su punto de rocío.</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>El factor de bypass debe ser al menos 0 y menor que 1.</translation>
    </message>
    <message>
        <source>The line from the entering air to the apparatus dew point passes through fog: the apparatus dew point is too low for this air.</source>
        <translation>La línea del aire de entrada al punto de rocío del aparato atraviesa la niebla: el punto de rocío del aparato es demasiado bajo para este aire.</translation>
    </message>
    <message>
        <source>The PMV model takes 0.8 to 4 met, 0 to 2 clo and an air speed of 0 to 1 m/s.</source>
        <translation>El modelo PMV admite de 0,8 a 4 met, de 0 a 2 clo y una velocidad del aire de 0 a 1 m/s.</translation>
    </message>
    <message>
        <source>The PMV model applies only from 50 °F to 86 °F (10 °C to 30 °C) with a vapour pressure of at most 2.7 kPa.</source>
        <translation>El modelo PMV solo se aplica de 50 °F a 86 °F (10 °C a 30 °C) con una presión de vapor de como máximo 2,7 kPa.</translation>
    </message>
    <message>
        <source>The zone has no limits.</source>
        <translation>La zona no tiene límites.</translation>
    </message>
    <message>
        <source>A lower limit of the zone lies above its upper limit, or outside the range of real air.</source>
        <translation>Un límite inferior de la zona está por encima de su límite superior, o fuera del rango del aire real.</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>El aire no se puede calcular.</translation>
    </message>
</context>
<context>
    <name>processes::Process</name>
    <message>
        <source>Sensible heating</source>
        <translation>Calentamiento sensible</translation>
    </message>
    <message>
        <source>Sensible cooling</source>
        <translation>Enfriamiento sensible</translation>
    </message>
    <message>
        <source>Cooling and dehumidifying</source>
        <translation>Enfriamiento y deshumectación</translation>
    </message>
    <message>
        <source>Dehumidifying</source>
        <translation>Deshumectación</translation>
    </message>
    <message>
        <source>Heating and dehumidifying</source>
        <translation>Calentamiento y deshumectación</translation>
    </message>
    <message>
        <source>Desiccant (adiabatic) dehumidifying</source>
        <translation>Deshumectación desecante (adiabática)</translation>
    </message>
    <message>
        <source>Evaporative (adiabatic) humidification</source>
        <translation>Humectación evaporativa (adiabática)</translation>
    </message>
    <message>
        <source>Steam humidification</source>
        <translation>Humectación con vapor</translation>
    </message>
    <message>
        <source>Heating and humidifying</source>
        <translation>Calentamiento y humectación</translation>
    </message>
    <message>
        <source>Cooling and humidifying</source>
        <translation>Enfriamiento y humectación</translation>
    </message>
</context>
<context>
    <name>project::Definition</name>
    <message>
        <source>dry bulb</source>
        <translation>bulbo seco</translation>
    </message>
    <message>
        <source>The dry bulb is not a number.</source>
        <translation>El bulbo seco no es un número.</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>bulbo húmedo</translation>
    </message>
    <message>
        <source>The wet bulb is not a number.</source>
        <translation>El bulbo húmedo no es un número.</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humedad relativa</translation>
    </message>
    <message>
        <source>The relative humidity is not a number.</source>
        <translation>La humedad relativa no es un número.</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>relación de humedad</translation>
    </message>
    <message>
        <source>The humidity ratio is not a number.</source>
        <translation>La relación de humedad no es un número.</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>entalpía</translation>
    </message>
    <message>
        <source>The enthalpy is not a number.</source>
        <translation>La entalpía no es un número.</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>punto de rocío</translation>
    </message>
    <message>
        <source>The dew point is not a number.</source>
        <translation>El punto de rocío no es un número.</translation>
    </message>
    <message>
        <source>A point needs two different properties; %1 is given twice.</source>
        <translation>Un punto necesita dos propiedades distintas; %1 se da dos veces.</translation>
    </message>
    <message>
        <source>Dew point and humidity ratio both fix the water in the air at a given pressure; pair either with another property.</source>
        <translation>El punto de rocío y la relación de humedad fijan ambos el agua del aire a una presión dada; combine cualquiera de ellos con otra propiedad.</translation>
    </message>
</context>
<context>
    <name>project::Edits</name>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>El punto %1 no es aire real: %2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>No existe ese punto.</translation>
    </message>
    <message>
        <source>The calculator&apos;s state names no unit system.</source>
        <translation>El estado de la calculadora no indica ningún sistema de unidades.</translation>
    </message>
    <message>
        <source>Perfectly dry air has no dew point to define a point by.</source>
        <translation>El aire perfectamente seco no tiene punto de rocío con el que definir un punto.</translation>
    </message>
    <message>
        <source>The calculator&apos;s state cannot be taken over.</source>
        <translation>El estado de la calculadora no se puede tomar.</translation>
    </message>
    <message>
        <source>Point %1 has no airflow to mix.</source>
        <translation>El punto %1 no tiene caudal de aire para mezclar.</translation>
    </message>
</context>
<context>
    <name>project::Project</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>Ese punto no existe.</translation>
    </message>
    <message>
        <source>Rename point %1 to %2</source>
        <translation>Renombrar el punto %1 a %2</translation>
    </message>
    <message>
        <source>Edit point %1</source>
        <translation>Editar el punto %1</translation>
    </message>
    <message>
        <source>Move point %1</source>
        <translation>Mover el punto %1</translation>
    </message>
    <message>
        <source>Airflow of point %1</source>
        <translation>Caudal del punto %1</translation>
    </message>
    <message>
        <source>Add coil to point %1</source>
        <translation>Añadir batería al punto %1</translation>
    </message>
    <message>
        <source>Mix %1 and %2</source>
        <translation>Mezclar %1 y %2</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>El proyecto no tiene climatizador.</translation>
    </message>
    <message>
        <source>Add point %1</source>
        <translation>Añadir el punto %1</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>Eliminar el punto %1</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>Añadir proceso</translation>
    </message>
    <message>
        <source>Delete process</source>
        <translation>Eliminar proceso</translation>
    </message>
    <message>
        <source>Add mixture</source>
        <translation>Añadir mezcla</translation>
    </message>
    <message>
        <source>Delete mixture</source>
        <translation>Eliminar mezcla</translation>
    </message>
    <message>
        <source>Change zones</source>
        <translation>Cambiar zonas</translation>
    </message>
    <message>
        <source>Change pressure or units</source>
        <translation>Cambiar presión o unidades</translation>
    </message>
    <message>
        <source>Change air handler</source>
        <translation>Cambiar el climatizador</translation>
    </message>
</context>
<context>
    <name>project::ProjectData</name>
    <message>
        <source>A point needs a name.</source>
        <translation>Un punto necesita un nombre.</translation>
    </message>
    <message>
        <source>A point&apos;s name can be at most %1 characters long.</source>
        <translation>El nombre de un punto puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A point&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>El nombre de un punto no puede contener un salto de línea, un tabulador ni otro carácter de control.</translation>
    </message>
    <message>
        <source>There is a point named %1 already.</source>
        <translation>Ya existe un punto llamado %1.</translation>
    </message>
    <message>
        <source>%1 to %2 is a process already.</source>
        <translation>%1 a %2 ya es un proceso.</translation>
    </message>
    <message>
        <source>Point %1 cannot be mixed from itself.</source>
        <translation>El punto %1 no se puede mezclar a partir de sí mismo.</translation>
    </message>
    <message>
        <source>Point %1 is the mixture of two other points already.</source>
        <translation>El punto %1 ya es la mezcla de otros dos puntos.</translation>
    </message>
    <message>
        <source>Comfort zone: %1</source>
        <translation>Zona de confort: %1</translation>
    </message>
    <message>
        <source>A zone needs a name.</source>
        <translation>Una zona necesita un nombre.</translation>
    </message>
    <message>
        <source>A zone&apos;s name can be at most %1 characters long.</source>
        <translation>El nombre de una zona puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A zone&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>El nombre de una zona no puede contener un salto de línea, un tabulador ni otro carácter de control.</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zona %1: %2</translation>
    </message>
    <message>
        <source>The airflow is not a number.</source>
        <translation>El caudal de aire no es un número.</translation>
    </message>
</context>
<context>
    <name>project::ProjectFile</name>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>El archivo de proyecto está dañado: %1</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>El archivo de proyecto está dañado: %1.</translation>
    </message>
    <message>
        <source>This project was saved by a newer version of Vaporwright (file version %1); this version reads version %2.</source>
        <translation>Este proyecto se guardó con una versión más reciente de Vaporwright (versión de archivo %1); esta versión lee la versión %2.</translation>
    </message>
    <message>
        <source>The project file&apos;s version is not one Vaporwright reads; this version reads version %1.</source>
        <translation>La versión del archivo de proyecto no es una que Vaporwright lea; esta versión lee la versión %1.</translation>
    </message>
    <message>
        <source>This is not a project file: %1.</source>
        <translation>Esto no es un archivo de proyecto: %1.</translation>
    </message>
    <message>
        <source>This is not a Vaporwright project file.</source>
        <translation>Esto no es un archivo de proyecto de Vaporwright.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a project file.</source>
        <translation>%1 es demasiado grande para ser un archivo de proyecto.</translation>
    </message>
</context>
<context>
    <name>weather::Columns</name>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3).</source>
        <translation>Columna «%1»: no existe esa unidad de %2 (unidades: %3).</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3)</source>
        <translation>Columna «%1»: no existe esa unidad de %2 (unidades: %3)</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4.</source>
        <translation>La columna «%1» no indica unidad; nómbrela con una de las unidades de %2 (%3), como %2_%4.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4</source>
        <translation>La columna «%1» no indica unidad; nómbrela con una de las unidades de %2 (%3), como %2_%4</translation>
    </message>
</context>
<context>
    <name>weather::Report</name>
    <message>
        <source>line longer than 16 MiB</source>
        <translation>línea de más de 16 MiB</translation>
    </message>
    <message>
        <source>wrong number of fields</source>
        <translation>número de campos incorrecto</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>un valor que no es un número</translation>
    </message>
    <message>
        <source>no such date or hour</source>
        <translation>fecha u hora inexistente</translation>
    </message>
    <message>
        <source>leap day (29 February)</source>
        <translation>día bisiesto (29 de febrero)</translation>
    </message>
    <message>
        <source>hour already read</source>
        <translation>hora ya leída</translation>
    </message>
    <message>
        <source>missing dry bulb</source>
        <translation>falta el bulbo seco</translation>
    </message>
    <message>
        <source>dry bulb out of range</source>
        <translation>bulbo seco fuera de rango</translation>
    </message>
    <message>
        <source>missing station pressure</source>
        <translation>falta la presión de la estación</translation>
    </message>
    <message>
        <source>station pressure out of range</source>
        <translation>presión de la estación fuera de rango</translation>
    </message>
    <message>
        <source>missing dew point</source>
        <translation>falta el punto de rocío</translation>
    </message>
    <message>
        <source>dew point out of range</source>
        <translation>punto de rocío fuera de rango</translation>
    </message>
    <message>
        <source>missing relative humidity</source>
        <translation>falta la humedad relativa</translation>
    </message>
    <message>
        <source>relative humidity out of range</source>
        <translation>humedad relativa fuera de rango</translation>
    </message>
    <message>
        <source>missing wet bulb</source>
        <translation>falta el bulbo húmedo</translation>
    </message>
    <message>
        <source>wet bulb out of range</source>
        <translation>bulbo húmedo fuera de rango</translation>
    </message>
    <message>
        <source>missing humidity ratio</source>
        <translation>falta la relación de humedad</translation>
    </message>
    <message>
        <source>humidity ratio out of range</source>
        <translation>relación de humedad fuera de rango</translation>
    </message>
    <message>
        <source>humidity above saturation</source>
        <translation>humedad por encima de la saturación</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>No existe ese archivo.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file but a pipe, a socket or a device.</source>
        <translation>No es un archivo normal sino una tubería, un socket o un dispositivo.</translation>
    </message>
    <message>
        <source>Permission to read the file is denied.</source>
        <translation>Se deniega el permiso para leer el archivo.</translation>
    </message>
    <message>
        <source>The file could not be read to its end.</source>
        <translation>No se pudo leer el archivo hasta el final.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not an EnergyPlus weather file: it does not begin with LOCATION.</source>
        <translation>El archivo no es un archivo meteorológico de EnergyPlus: no empieza por LOCATION.</translation>
    </message>
    <message>
        <source>The file ends inside its header.</source>
        <translation>El archivo termina dentro de su cabecera.</translation>
    </message>
    <message>
        <source>A line of the file&apos;s header is longer than 16 MiB.</source>
        <translation>Una línea de la cabecera del archivo supera 16 MiB.</translation>
    </message>
    <message>
        <source>The header has more than 16384 columns.</source>
        <translation>La cabecera tiene más de 16384 columnas.</translation>
    </message>
    <message>
        <source>No column is named timestamp, time, date or datetime.</source>
        <translation>Ninguna columna se llama timestamp, time, date o datetime.</translation>
    </message>
    <message>
        <source>No dry bulb column with its unit, such as dry_bulb_C.</source>
        <translation>No hay columna de bulbo seco con su unidad, como dry_bulb_C.</translation>
    </message>
    <message>
        <source>No humidity column with its unit, such as relative_humidity_pct, dew_point_C, wet_bulb_C or humidity_ratio_g/kg.</source>
        <translation>No hay columna de humedad con su unidad, como relative_humidity_pct, dew_point_C, wet_bulb_C o humidity_ratio_g/kg.</translation>
    </message>
    <message>
        <source>More than one humidity column: keep one of relative humidity, dew point, wet bulb and humidity ratio.</source>
        <translation>Más de una columna de humedad: conserve una de humedad relativa, punto de rocío, bulbo húmedo y relación de humedad.</translation>
    </message>
    <message>
        <source>More than one pressure or altitude column: keep one.</source>
        <translation>Más de una columna de presión o altitud: conserve una.</translation>
    </message>
    <message>
        <source>A column names a quantity without a unit the program reads, such as pressure_kPa or altitude_m.</source>
        <translation>Una columna nombra una magnitud sin una unidad que el programa lea, como pressure_kPa o altitude_m.</translation>
    </message>
</context>
<context>
    <name>weather::Site</name>
    <message>
        <source>The site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19812 m): the chart is drawn for the median station pressure of the file.</source>
        <translation>La altitud del emplazamiento está fuera del rango del polinomio de altitud (-609,6 m a 19812 m): el diagrama se traza para la presión mediana de la estación del archivo.</translation>
    </message>
    <message>
        <source>The file gives no elevation: the chart is drawn for the median station pressure of the file.</source>
        <translation>El archivo no da altitud: el diagrama se traza para la presión mediana de la estación del archivo.</translation>
    </message>
</context>
</TS>
