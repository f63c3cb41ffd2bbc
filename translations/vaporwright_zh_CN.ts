<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ContextIDs</name>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>无法显示帮助内容。此项目没有关联的帮助。</translation>
    </message>
</context>
<context>
    <name>ContextIDs::HelpWindow</name>
    <message>
        <source>Vaporwright Help</source>
        <translation>Vaporwright 帮助</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>要查找的词</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Cannot open the help file %1: %2</source>
        <translation>无法打开帮助文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the help file %1: %2</source>
        <translation>无法读取帮助文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>Credit</name>
    <message>
        <source>Vaporwright Credit Screen</source>
        <translation>Vaporwright 致谢</translation>
    </message>
    <message>
        <source>Vaporwright was written by Tobias R. Quenneville (Dunmore Tollis Software).
Dedicated to Margit Elsholz, Anselm Okafor and Rosalind Thwaite.

Thank you all for your patience during the development of this software.</source>
        <translation>Vaporwright 由 Tobias R. Quenneville（Dunmore Tollis Software）编写。
谨献给 Margit Elsholz、Anselm Okafor 和 Rosalind Thwaite。

感谢各位在本软件开发期间的耐心。</translation>
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
        <translation>在 Vaporwright 启动时显示，会自行关闭。</translation>
    </message>
    <message>
        <source>Vaporwright emblem</source>
        <translation>Vaporwright 标志</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Closes the About window.</source>
        <translation>关闭“关于”窗口。</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Starts the system&apos;s information tool to show the computer&apos;s hardware and software.</source>
        <translation>启动系统信息工具，显示计算机的硬件和软件。</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免责声明</translation>
    </message>
    <message>
        <source>The disclaimer of Vaporwright, to read; it cannot be edited.</source>
        <translation>Vaporwright 的免责声明，供阅读，不能编辑。</translation>
    </message>
    <message>
        <source>Closes the disclaimer.</source>
        <translation>关闭免责声明。</translation>
    </message>
    <message>
        <source>Read the Disclaimer</source>
        <translation>阅读免责声明</translation>
    </message>
    <message>
        <source>Opens the text of the disclaimer.</source>
        <translation>打开免责声明的文本。</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>我已阅读免责声明，并且：</translation>
    </message>
    <message>
        <source>Agree or disagree with the disclaimer.</source>
        <translation>同意或不同意免责声明。</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>不同意</translation>
    </message>
    <message>
        <source>Disagrees with the disclaimer and ends Vaporwright.</source>
        <translation>不同意免责声明并退出 Vaporwright。</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>同意</translation>
    </message>
    <message>
        <source>Agrees with the disclaimer and goes on to the calculator.</source>
        <translation>同意免责声明并进入计算器。</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>启动时不再显示</translation>
    </message>
    <message>
        <source>Ticked, this prompt is not shown when Vaporwright starts; the File menu of the calculator still shows it.</source>
        <translation>勾选后，Vaporwright 启动时不再显示此提示；计算器的“文件”菜单仍可显示它。</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Words to find; the list below shows the help topics that contain them all.</source>
        <translation>要查找的词；下方列表显示包含所有这些词的帮助主题。</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>帮助主题</translation>
    </message>
    <message>
        <source>Enter or a click shows the chosen topic beside the list.</source>
        <translation>按回车键或单击，在列表旁显示所选主题。</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助文本</translation>
    </message>
    <message>
        <source>The text of Vaporwright&apos;s help; links lead to other topics.</source>
        <translation>Vaporwright 帮助的文本；链接通向其他主题。</translation>
    </message>
</context>
<context>
    <name>RealAir</name>
    <message>
        <source>No such air: no state has these two inputs</source>
        <translation>不存在这样的空气：没有状态具有这两个输入</translation>
    </message>
    <message>
        <source>Could not solve these two inputs for the dry bulb</source>
        <translation>无法由这两个输入求出干球温度</translation>
    </message>
    <message>
        <source>No state: relative humidity 0 with humidity ratio 0 fixes no dry bulb</source>
        <translation>无状态：相对湿度 0 与含湿量 0 无法确定干球温度</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is below %1</source>
        <translation>不存在这样的空气：干球温度低于 %1</translation>
    </message>
    <message>
        <source>No such air: the dry bulb is above %1</source>
        <translation>不存在这样的空气：干球温度高于 %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is below %1</source>
        <translation>不存在这样的空气：湿球温度低于 %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above %1</source>
        <translation>不存在这样的空气：湿球温度高于 %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is below %1</source>
        <translation>不存在这样的空气：露点低于 %1</translation>
    </message>
    <message>
        <source>No such air: the dew point is above %1</source>
        <translation>不存在这样的空气：露点高于 %1</translation>
    </message>
    <message>
        <source>No such air: the wet bulb is above the dry bulb</source>
        <translation>不存在这样的空气：湿球温度高于干球温度</translation>
    </message>
    <message>
        <source>No such air: the humidity ratio is below zero</source>
        <translation>不存在这样的空气：含湿量小于零</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is below 0 %</source>
        <translation>不存在这样的空气：相对湿度低于 0 %</translation>
    </message>
    <message>
        <source>No such air: the relative humidity is above %1 %</source>
        <translation>不存在这样的空气：相对湿度高于 %1 %</translation>
    </message>
    <message>
        <source>No such air: the vapor pressure reaches the atmospheric pressure</source>
        <translation>不存在这样的空气：水蒸气分压力达到大气压力</translation>
    </message>
    <message>
        <source>No such air: the specific volume is not positive</source>
        <translation>不存在这样的空气：比容不为正</translation>
    </message>
    <message>
        <source>No such air: a property is outside the range of the formulation</source>
        <translation>不存在这样的空气：某一参数超出公式的适用范围</translation>
    </message>
    <message>
        <source>Atmospheric pressure at or below zero</source>
        <translation>大气压力为零或负值</translation>
    </message>
    <message>
        <source>Atmospheric pressure beyond %1</source>
        <translation>大气压力超过 %1</translation>
    </message>
    <message>
        <source>Altitude below %1</source>
        <translation>海拔低于 %1</translation>
    </message>
    <message>
        <source>Altitude beyond %1</source>
        <translation>海拔超过 %1</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot; as a number</source>
        <translation>无法将“%1”读作数字</translation>
    </message>
    <message>
        <source>Could not store &quot;%1&quot;: the number is too large</source>
        <translation>无法保存“%1”：数字太大</translation>
    </message>
</context>
<context>
    <name>VersionInfo</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Psychrometric calculator for moist air, ASHRAE formulation</source>
        <translation>湿空气焓湿计算器，采用 ASHRAE 公式</translation>
    </message>
    <message>
        <source>Copyright (C) 2023-2025 Dunmore Tollis Software. All rights reserved.</source>
        <translation>Copyright (C) 2023-2025 Dunmore Tollis Software。保留所有权利。</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Its results are engineering estimates; check them before you rely on them for design or operation.</source>
        <translation>警告：本程序受版权法保护。其结果为工程估算值；在设计或运行中依赖这些结果之前，请先加以核对。</translation>
    </message>
</context>
<context>
    <name>airhandler</name>
    <message>
        <source>Component</source>
        <translation>部件</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>空气</translation>
    </message>
    <message>
        <source>Entering dry bulb</source>
        <translation>进口干球温度</translation>
    </message>
    <message>
        <source>Entering humidity ratio</source>
        <translation>进口含湿量</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>出口干球温度</translation>
    </message>
    <message>
        <source>Leaving humidity ratio</source>
        <translation>出口含湿量</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>干空气</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>过程</translation>
    </message>
    <message>
        <source>Sensible</source>
        <translation>显热</translation>
    </message>
    <message>
        <source>Latent</source>
        <translation>潜热</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>全热</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水量</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>新风</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>回风</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>混风</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>送风</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>排风</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>室内</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>室内空气</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>室内负荷</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>供冷</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>供热</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏季</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>工况类型</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>室内显热负荷</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>室内潜热负荷</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>室内显热比</translation>
    </message>
    <message>
        <source>Room dry bulb</source>
        <translation>室内干球温度</translation>
    </message>
    <message>
        <source>Room humidity ratio</source>
        <translation>室内含湿量</translation>
    </message>
    <message>
        <source>Room enthalpy</source>
        <translation>室内焓</translation>
    </message>
    <message>
        <source>Supply dry bulb</source>
        <translation>送风干球温度</translation>
    </message>
    <message>
        <source>Supply humidity ratio</source>
        <translation>送风含湿量</translation>
    </message>
    <message>
        <source>Supply relative humidity</source>
        <translation>送风相对湿度</translation>
    </message>
    <message>
        <source>Supply enthalpy</source>
        <translation>送风焓</translation>
    </message>
    <message>
        <source>Supply airflow</source>
        <translation>送风量</translation>
    </message>
    <message>
        <source>Supply dry air</source>
        <translation>送风干空气量</translation>
    </message>
    <message>
        <source>Outdoor dry bulb</source>
        <translation>室外干球温度</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio</source>
        <translation>室外含湿量</translation>
    </message>
    <message>
        <source>Outdoor enthalpy</source>
        <translation>室外焓</translation>
    </message>
    <message>
        <source>Outdoor air share</source>
        <translation>新风比</translation>
    </message>
    <message>
        <source>Outdoor airflow</source>
        <translation>新风量</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>节能器</translation>
    </message>
    <message>
        <source>Mixed air dry bulb</source>
        <translation>混风干球温度</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio</source>
        <translation>混风含湿量</translation>
    </message>
    <message>
        <source>Mixed air enthalpy</source>
        <translation>混风焓</translation>
    </message>
    <message>
        <source>Cooling, sensible</source>
        <translation>供冷，显热</translation>
    </message>
    <message>
        <source>Cooling, latent</source>
        <translation>供冷，潜热</translation>
    </message>
    <message>
        <source>Steam heat</source>
        <translation>蒸汽热量</translation>
    </message>
    <message>
        <source>Fan heat</source>
        <translation>风机温升热量</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air</source>
        <translation>回收至新风的热量</translation>
    </message>
    <message>
        <source>Humidifier water</source>
        <translation>加湿水量</translation>
    </message>
    <message>
        <source>Condensate</source>
        <translation>冷凝水</translation>
    </message>
    <message>
        <source>Room sensible load delivered</source>
        <translation>已满足的室内显热负荷</translation>
    </message>
    <message>
        <source>Room latent load delivered</source>
        <translation>已满足的室内潜热负荷</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>室内负荷满足度在 1 % 以内</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>处理链出口空气未达到送风状态。</translation>
    </message>
    <message>
        <source>, exhaust side</source>
        <translation>，排风侧</translation>
    </message>
</context>
<context>
    <name>airhandler::Component</name>
    <message>
        <source>Heat-recovery wheel</source>
        <translation>转轮式热回收器</translation>
    </message>
    <message>
        <source>Heat-recovery plate</source>
        <translation>板式热回收器</translation>
    </message>
    <message>
        <source>Mixing box</source>
        <translation>混合箱</translation>
    </message>
    <message>
        <source>Preheat coil</source>
        <translation>预热盘管</translation>
    </message>
    <message>
        <source>Reheat coil</source>
        <translation>再热盘管</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>冷却盘管</translation>
    </message>
    <message>
        <source>Supply fan</source>
        <translation>送风机</translation>
    </message>
    <message>
        <source>Steam humidifier</source>
        <translation>蒸汽加湿器</translation>
    </message>
    <message>
        <source>Adiabatic humidifier</source>
        <translation>绝热加湿器</translation>
    </message>
</context>
<context>
    <name>airhandler::Economizer</name>
    <message>
        <source>No economizer: minimum outdoor air.</source>
        <translation>无节能器：最小新风。</translation>
    </message>
    <message>
        <source>Heating: the economizer keeps the minimum outdoor air.</source>
        <translation>供热：节能器保持最小新风。</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>室外干球温度低于回风：新风超过最小值。</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>室外干球温度不低于回风：最小新风。</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is below the return air&apos;s: outdoor air beyond the minimum.</source>
        <translation>室外焓低于回风：新风超过最小值。</translation>
    </message>
    <message>
        <source>The outdoor enthalpy is not below the return air&apos;s: minimum outdoor air.</source>
        <translation>室外焓不低于回风：最小新风。</translation>
    </message>
    <message>
        <source>The outdoor dry bulb is above the economizer&apos;s high limit: minimum outdoor air.</source>
        <translation>室外干球温度高于节能器上限：最小新风。</translation>
    </message>
</context>
<context>
    <name>airhandler::Issue</name>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>大气压力必须大于零且不超过十个大气压。</translation>
    </message>
    <message>
        <source>The room air is not air.</source>
        <translation>室内空气不是空气。</translation>
    </message>
    <message>
        <source>The outdoor air is not air.</source>
        <translation>室外空气不是空气。</translation>
    </message>
    <message>
        <source>The room and outdoor air must be at the design&apos;s atmospheric pressure.</source>
        <translation>室内和室外空气必须处于设计的大气压力下。</translation>
    </message>
    <message>
        <source>The room&apos;s loads must be numbers.</source>
        <translation>房间负荷必须是数值。</translation>
    </message>
    <message>
        <source>In cooling the room&apos;s sensible load must be a heat gain (above zero); in heating, a heat loss (below zero).</source>
        <translation>供冷时房间显热负荷必须为得热（大于零）；供热时必须为失热（小于零）。</translation>
    </message>
    <message>
        <source>In cooling the supply air must be colder than the room; in heating, warmer.</source>
        <translation>供冷时送风必须比房间冷；供热时必须比房间热。</translation>
    </message>
    <message>
        <source>The supply&apos;s temperature difference to the room must be above zero.</source>
        <translation>送风与房间的温差必须大于零。</translation>
    </message>
    <message>
        <source>The supply airflow must be greater than zero.</source>
        <translation>送风量必须大于零。</translation>
    </message>
    <message>
        <source>The room&apos;s SHR line at this supply dry bulb lies beyond saturation: no air there carries the room&apos;s loads. Choose a supply closer to the room.</source>
        <translation>在此送风干球温度下，房间热湿比线位于饱和线之外：该处没有空气能承担房间负荷。请选择更接近房间状态的送风。</translation>
    </message>
    <message>
        <source>The supply air would have to hold less than no water to take up the room&apos;s latent load: choose a supply closer to the room or a larger airflow.</source>
        <translation>送风须含少于零的水分才能承担房间潜热负荷：请选择更接近房间状态的送风或更大的风量。</translation>
    </message>
    <message>
        <source>The supply air is not air.</source>
        <translation>送风不是空气。</translation>
    </message>
    <message>
        <source>The outdoor airflow or share must be zero or more.</source>
        <translation>新风量或新风比必须为零或更大。</translation>
    </message>
    <message>
        <source>The outdoor air cannot exceed the supply air.</source>
        <translation>新风不能超过送风。</translation>
    </message>
    <message>
        <source>The economizer&apos;s maximum outdoor share must lie from the minimum outdoor share to 1.</source>
        <translation>节能器最大新风比必须介于最小新风比与 1 之间。</translation>
    </message>
    <message>
        <source>The chain can hold only one mixing box.</source>
        <translation>处理链只能包含一个混合箱。</translation>
    </message>
    <message>
        <source>The components before the mixing box treat the outdoor air, and there is none.</source>
        <translation>混合箱之前的部件处理新风，但没有新风。</translation>
    </message>
    <message>
        <source>Heat recovery works between the outdoor and the exhaust air: place it before the mixing box.</source>
        <translation>热回收在新风与排风之间工作：请将其置于混合箱之前。</translation>
    </message>
    <message>
        <source>A component brought to the supply air must stand after the mixing box.</source>
        <translation>调节至送风状态的部件必须位于混合箱之后。</translation>
    </message>
    <message>
        <source>Only one heating coil and one cooling coil can bring the air to the supply&apos;s dry bulb.</source>
        <translation>只能有一个加热盘管和一个冷却盘管将空气调节至送风干球温度。</translation>
    </message>
    <message>
        <source>Only one cooling coil and one humidifier can bring the air to the supply&apos;s humidity ratio.</source>
        <translation>只能有一个冷却盘管和一个加湿器将空气调节至送风含湿量。</translation>
    </message>
    <message>
        <source>An effectiveness must lie from 0 to 1.</source>
        <translation>效率必须介于 0 与 1 之间。</translation>
    </message>
    <message>
        <source>The exhaust airflow must be greater than zero.</source>
        <translation>排风量必须大于零。</translation>
    </message>
    <message>
        <source>The exhaust air cannot exceed the return air.</source>
        <translation>排风不能超过回风。</translation>
    </message>
    <message>
        <source>Air would leave the heat recovery beyond saturation (condensation or frost): preheat the outdoor air or lower the effectiveness.</source>
        <translation>空气离开热回收器时将超过饱和（结露或结霜）：请预热新风或降低效率。</translation>
    </message>
    <message>
        <source>The mixed air is not air.</source>
        <translation>混合空气不是空气。</translation>
    </message>
    <message>
        <source>A temperature must lie from -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>温度必须介于 -148 °F 与 400 °F 之间（-100 °C 至 204.4 °C）。</translation>
    </message>
    <message>
        <source>A temperature rise must be zero or more.</source>
        <translation>温升必须为零或更大。</translation>
    </message>
    <message>
        <source>A relative humidity must lie above 0 and at most 100 %.</source>
        <translation>相对湿度必须大于 0 且不超过 100 %。</translation>
    </message>
    <message>
        <source>The fan&apos;s power must be zero or more and its motor efficiency above 0 and at most 1.</source>
        <translation>风机功率必须为零或更大，电机效率必须大于 0 且不超过 1。</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>旁通系数必须不小于 0 且小于 1。</translation>
    </message>
    <message>
        <source>The cooling coil cannot make this air.</source>
        <translation>冷却盘管无法产生此空气。</translation>
    </message>
    <message>
        <source>An adiabatic humidifier can at most saturate the air: ask for a dew point no higher than the entering wet bulb.</source>
        <translation>绝热加湿器最多只能使空气饱和：所要求的露点不得高于进口湿球温度。</translation>
    </message>
    <message>
        <source>The air leaving the component is not air.</source>
        <translation>离开该部件的空气不是空气。</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>无法计算该空气。</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3 %4</source>
        <translation>部件 %1（%2）：%3 %4</translation>
    </message>
    <message>
        <source>Component %1 (%2): %3</source>
        <translation>部件 %1（%2）：%3</translation>
    </message>
    <message>
        <source>Component %1: %2 %3</source>
        <translation>部件 %1：%2 %3</translation>
    </message>
    <message>
        <source>Component %1: %2</source>
        <translation>部件 %1：%2</translation>
    </message>
</context>
<context>
    <name>airhandler::Note</name>
    <message>
        <source>Off: the air is already this warm.</source>
        <translation>关闭：空气已经这么暖。</translation>
    </message>
    <message>
        <source>Off: the air is already this cool.</source>
        <translation>关闭：空气已经这么凉。</translation>
    </message>
    <message>
        <source>Off: the air is already this dry.</source>
        <translation>关闭：空气已经这么干。</translation>
    </message>
    <message>
        <source>Off: the air is already this humid.</source>
        <translation>关闭：空气已经这么湿。</translation>
    </message>
    <message>
        <source>Off: it adds no heat.</source>
        <translation>关闭：不加入热量。</translation>
    </message>
    <message>
        <source>Off: it exchanges nothing.</source>
        <translation>关闭：不进行交换。</translation>
    </message>
    <message>
        <source>Stopped: the economizer brings in outdoor air.</source>
        <translation>停止：经济器引入室外空气。</translation>
    </message>
    <message>
        <source>Dry coil: the air leaves at its entering humidity ratio.</source>
        <translation>干盘管：空气以进口含湿量离开。</translation>
    </message>
    <message>
        <source>Its change of the air is too small to rate.</source>
        <translation>其对空气的改变太小，无法计量。</translation>
    </message>
    <message>
        <source>Blow-through: ahead of the cooling coil.</source>
        <translation>压出式：位于表冷器之前。</translation>
    </message>
    <message>
        <source>Draw-through: after the cooling coil.</source>
        <translation>吸入式：位于表冷器之后。</translation>
    </message>
</context>
<context>
    <name>airhandler::Tables</name>
    <message>
        <source>Outdoor air</source>
        <translation>室外空气</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>送风</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>供冷</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>供热</translation>
    </message>
    <message>
        <source>The air leaving the chain does not reach the supply air.</source>
        <translation>离开处理段的空气达不到送风状态。</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>部件</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>空气</translation>
    </message>
    <message>
        <source>Entering dry bulb (%1)</source>
        <translation>进口干球温度 (%1)</translation>
    </message>
    <message>
        <source>Entering humidity ratio (%1)</source>
        <translation>进口含湿量 (%1)</translation>
    </message>
    <message>
        <source>Leaving dry bulb (%1)</source>
        <translation>出口干球温度 (%1)</translation>
    </message>
    <message>
        <source>Leaving humidity ratio (%1)</source>
        <translation>出口含湿量 (%1)</translation>
    </message>
    <message>
        <source>Dry air (%1)</source>
        <translation>干空气 (%1)</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>过程</translation>
    </message>
    <message>
        <source>Sensible (%1)</source>
        <translation>显热 (%1)</translation>
    </message>
    <message>
        <source>Latent (%1)</source>
        <translation>潜热 (%1)</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <translation>全热 (%1)</translation>
    </message>
    <message>
        <source>Water (%1)</source>
        <translation>水 (%1)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>Return air</source>
        <translation>回风</translation>
    </message>
    <message>
        <source>Mixed air</source>
        <translation>混合空气</translation>
    </message>
    <message>
        <source>Apparatus dew point %1 %2, bypass factor %3.</source>
        <translation>机器露点 %1 %2，旁通系数 %3。</translation>
    </message>
    <message>
        <source>%1, exhaust side</source>
        <translation>%1，排风侧</translation>
    </message>
    <message>
        <source>Exhaust air</source>
        <translation>排风</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>房间</translation>
    </message>
    <message>
        <source>Room air</source>
        <translation>室内空气</translation>
    </message>
    <message>
        <source>Room loads</source>
        <translation>房间负荷</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏季</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>工况</translation>
    </message>
    <message>
        <source>Room sensible load (%1)</source>
        <translation>房间显热负荷 (%1)</translation>
    </message>
    <message>
        <source>Room latent load (%1)</source>
        <translation>房间潜热负荷 (%1)</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>房间显热比</translation>
    </message>
    <message>
        <source>Room dry bulb (%1)</source>
        <translation>房间干球温度 (%1)</translation>
    </message>
    <message>
        <source>Room humidity ratio (%1)</source>
        <translation>房间含湿量 (%1)</translation>
    </message>
    <message>
        <source>Room enthalpy (%1)</source>
        <translation>房间焓 (%1)</translation>
    </message>
    <message>
        <source>Supply dry bulb (%1)</source>
        <translation>送风干球温度 (%1)</translation>
    </message>
    <message>
        <source>Supply humidity ratio (%1)</source>
        <translation>送风含湿量 (%1)</translation>
    </message>
    <message>
        <source>Supply relative humidity (%)</source>
        <translation>送风相对湿度 (%)</translation>
    </message>
    <message>
        <source>Supply enthalpy (%1)</source>
        <translation>送风焓 (%1)</translation>
    </message>
    <message>
        <source>Supply airflow (%1)</source>
        <translation>送风量 (%1)</translation>
    </message>
    <message>
        <source>Supply dry air (%1)</source>
        <translation>送风干空气 (%1)</translation>
    </message>
    <message>
        <source>Outdoor dry bulb (%1)</source>
        <translation>室外干球温度 (%1)</translation>
    </message>
    <message>
        <source>Outdoor humidity ratio (%1)</source>
        <translation>室外含湿量 (%1)</translation>
    </message>
    <message>
        <source>Outdoor enthalpy (%1)</source>
        <translation>室外焓 (%1)</translation>
    </message>
    <message>
        <source>Outdoor air share (%)</source>
        <translation>新风比 (%)</translation>
    </message>
    <message>
        <source>Outdoor airflow (%1)</source>
        <translation>新风量 (%1)</translation>
    </message>
    <message>
        <source>Economizer</source>
        <translation>经济器</translation>
    </message>
    <message>
        <source>Mixed air dry bulb (%1)</source>
        <translation>混合空气干球温度 (%1)</translation>
    </message>
    <message>
        <source>Mixed air humidity ratio (%1)</source>
        <translation>混合空气含湿量 (%1)</translation>
    </message>
    <message>
        <source>Mixed air enthalpy (%1)</source>
        <translation>混合空气焓 (%1)</translation>
    </message>
    <message>
        <source>Cooling (tons)</source>
        <translation>供冷 (tons)</translation>
    </message>
    <message>
        <source>Cooling (kW)</source>
        <translation>供冷 (kW)</translation>
    </message>
    <message>
        <source>Cooling, sensible (%1)</source>
        <translation>供冷，显热 (%1)</translation>
    </message>
    <message>
        <source>Cooling, latent (%1)</source>
        <translation>供冷，潜热 (%1)</translation>
    </message>
    <message>
        <source>Heating (kW)</source>
        <translation>供热 (kW)</translation>
    </message>
    <message>
        <source>Heating (Btu/h)</source>
        <translation>供热 (Btu/h)</translation>
    </message>
    <message>
        <source>Steam heat (%1)</source>
        <translation>蒸汽热量 (%1)</translation>
    </message>
    <message>
        <source>Fan heat (%1)</source>
        <translation>风机热量 (%1)</translation>
    </message>
    <message>
        <source>Heat recovered into the outdoor air (%1)</source>
        <translation>回收到室外空气中的热量 (%1)</translation>
    </message>
    <message>
        <source>Humidifier water (lb/h)</source>
        <translation>加湿器用水 (lb/h)</translation>
    </message>
    <message>
        <source>Humidifier water (kg/h)</source>
        <translation>加湿器用水 (kg/h)</translation>
    </message>
    <message>
        <source>Condensate (%1)</source>
        <translation>冷凝水 (%1)</translation>
    </message>
    <message>
        <source>Room sensible load delivered (%)</source>
        <translation>已满足的房间显热负荷 (%)</translation>
    </message>
    <message>
        <source>Room latent load delivered (%)</source>
        <translation>已满足的房间潜热负荷 (%)</translation>
    </message>
    <message>
        <source>Room loads met within 1 %</source>
        <translation>房间负荷在 1% 以内满足</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance</name>
    <message>
        <source>A previous instance of Vaporwright is currently running.</source>
        <translation>Vaporwright 已在运行。</translation>
    </message>
</context>
<context>
    <name>basActivePrevInstance::SingleInstance</name>
    <message>
        <source>Vaporwright: %1 is not a file; running without the single-instance guard</source>
        <translation>Vaporwright：%1 不是文件；将在没有单实例保护的情况下运行</translation>
    </message>
</context>
<context>
    <name>basMain</name>
    <message>
        <source>Vaporwright is already running: open %1 from its chart window (File &gt; Open Project).</source>
        <translation>Vaporwright 已在运行：请在其焓湿图窗口中打开 %1（文件 &gt; 打开项目）。</translation>
    </message>
</context>
<context>
    <name>batch::Header</name>
    <message>
        <source>The header has more than %1 columns</source>
        <translation>表头超过 %1 列</translation>
    </message>
    <message>
        <source>Column %1: the dew point cannot be an input; give two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy</source>
        <translation>列 %1：露点不能作为输入；请从干球温度、湿球温度、相对湿度、含湿量和焓中给出两项</translation>
    </message>
    <message>
        <source>Columns %1 and %2: give one pressure or altitude column</source>
        <translation>列 %1 和 %2：只能给出一个压力或海拔列</translation>
    </message>
    <message>
        <source>Columns %1 and %2 give the same quantity</source>
        <translation>列 %1 和 %2 给出的是同一个量</translation>
    </message>
    <message>
        <source>The header names 0 input columns; it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>表头没有输入列；需要 dry_bulb, wet_bulb, relative_humidity, humidity_ratio 和 enthalpy 中的两项，各带单位，例如 &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names 1 input column (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>表头只有 1 个输入列（%1）；需要 dry_bulb, wet_bulb, relative_humidity, humidity_ratio 和 enthalpy 中的两项，各带单位，例如 &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>The header names %2 input columns (%1); it needs two of dry_bulb, wet_bulb, relative_humidity, humidity_ratio and enthalpy, each with its unit, such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>表头有 %2 个输入列（%1）；需要 dry_bulb, wet_bulb, relative_humidity, humidity_ratio 和 enthalpy 中的两项，各带单位，例如 &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
</context>
<context>
    <name>batch::Help</name>
    <message>
        <source>Usage: vaporwright-batch [OPTIONS] [FILE]
       vaporwright-batch [OPTIONS] --epw WEATHER.epw
       vaporwright-batch --project FILE.vwproj [--units IP|SI] [--table NAME] [-o OUT]</source>
        <translation>用法：vaporwright-batch [选项] [文件]
      vaporwright-batch [选项] --epw 气象.epw
      vaporwright-batch --project 文件.vwproj [--units IP|SI] [--table 名称] [-o 输出]</translation>
    </message>
    <message>
        <source>Computes the state of moist air for every row of a CSV file (FILE, or standard
input when FILE is missing or &quot;-&quot;) and writes every property the Vaporwright
calculator shows as CSV to standard output.</source>
        <translation>为 CSV 文件（文件；缺省或为 &quot;-&quot; 时为标准输入）的每一行计算湿空气状态，并把
Vaporwright 计算器显示的每个参数以 CSV 格式写到标准输出。</translation>
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
        <translation>输入：表头行给出两个输入列，每列为一个量及其单位：
  dry_bulb_F  dry_bulb_C  dry_bulb_K      （wet_bulb_... 同理）
  relative_humidity_pct
  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg
  humidity_ratio_gr/lb
  enthalpy_Btu/lb（0 F 时为零）  enthalpy_kJ/kg（0 C 时为零）
干球温度、湿球温度、相对湿度、含湿量和焓中任意两项构成一组。可选的
pressure_psia、pressure_kPa、pressure_Pa、pressure_mbar、pressure_inHg、
altitude_ft 或 altitude_m 列为每行给出大气条件。列名不区分大小写；也能读取
其他程序的写法：&quot;Pressure (kPa)&quot;、&quot;pressure-kPa&quot;、&quot;pressure [kPa]&quot;、
&quot;Station pressure (hPa)&quot;、&quot;Dry bulb (F)&quot;、&quot;Relative humidity (%)&quot;。只写量而
无单位的列（&quot;pressure&quot;、&quot;altitude&quot;）会被拒绝。其他各列（如时间戳）按 CSV
读取器读到的内容复制到输出中参数之前，需要时按 CSV 规则加引号。
行尾可以是 LF、CRLF 或 CR；超过 16 MiB 的行不予读取（表头行这么长则结束运行）。</translation>
    </message>
    <message>
        <source>Output: the copied columns, then dry bulb, wet bulb, dew point, relative
humidity, humidity ratio, enthalpy, vapor pressure, degree of saturation,
specific volume, density, absolute humidity, moisture concentration, pressure
and altitude, each header naming its unit, then &quot;reason&quot;. A row that gives no
real air, or that cannot be read (an empty or non-numeric input, a wrong number
of fields), has empty properties and says why in &quot;reason&quot;; the run goes on.
Every line after the header gives one output row.</source>
        <translation>输出：复制的各列，然后是干球温度、湿球温度、露点、相对湿度、含湿量、焓、
水蒸气分压力、饱和度、比容、密度、绝对湿度、水分浓度、压力和海拔，每个表头
注明单位，最后是 &quot;reason&quot;。不能得出真实空气或无法读取的行（输入为空或非数字、
字段数不对），其参数为空，并在 &quot;reason&quot; 中说明原因；运行继续。表头之后的
每一行都产生一行输出。</translation>
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
        <translation>选项：
  --units IP|SI       输出及不带单位的 --pressure/--altitude 值的单位
                      （默认 IP：F、lb/lb、Btu/lb、psia、ft；SI：C、
                      kg/kg、kJ/kg、mbar、m）
  --pressure 值       每行的大气压力：带 psia、kPa、Pa、mbar 或 inHg 的
                      数值，或不带单位的数值，按 psia (IP) 或 kPa (SI)；
                      默认 14.696 psia
  --altitude 值       每行的海拔，其压力取自标准大气：带 ft 或 m 的数值，
                      或不带单位，按 ft (IP) 或 m (SI)
  --formats           按计算器的显示舍入（干球温度为 ####0.00，……），而非
                      全精度：能读回所算单精度值的最短文本
  --epw 文件          改为读取 EnergyPlus 气象文件（&quot;-&quot; 为标准输入）：每小时
                      在其测站气压下的干球温度和露点；输出以文件的
                      year,month,day,hour 开头（小时 1 至 24，为时段结束时刻）
  --project 文件      改为读取 Vaporwright 项目文件（从不写入）：计算项目，
                      包括空调箱，并把其表格以 CSV 写出（见下文）
  --table 名称        与 --project 同用，只写该表：points、processes、
                      mixtures、airhandler-components 或 airhandler-rollup
  -o, --output 文件   写入文件而非标准输出（与 --project 同用时：目录 DIR
                      写全部表格，文件写 --table 指定的那一个表格，- 为标准
                      输出）
  -h, --help          显示本帮助并退出
  --version           显示版本并退出</translation>
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
        <translation>项目表格（--project）：points、processes 和 mixtures；有空调箱的项目还有
airhandler-components（两个工况，每行以其工况开头）和 airhandler-rollup；除非
--units 另有指定，均采用项目自己的单位制；每个都是 RFC 4180 表格，行尾为
CR LF，表头注明单位。写到标准输出时（无 -o、-o - 或 -），每个表格前有一行
表名，除最后一个外其后有一空行；用 --table 时只有该表格，为普通 CSV 文件；
-o 文件 只接受一个表格，即 --table 指定的那个。用 -o DIR（已有的文件夹，或以
&quot;/&quot; 结尾的名称，缺少时创建）时，每个表格写入各自的文件 DIR/名称.csv，要么
完整写入，要么不写。损坏或无法读取的项目会以窗口中的同一消息被拒绝，且不写入
任何内容。</translation>
    </message>
    <message>
        <source>Exit status: 0 all rows written (rows without real air included), 1 a command
line that cannot be followed (an output that is the input file, named, on
standard input or a project&apos;s standard output, included; one file for all of
a project&apos;s tables), 2 an input that cannot be opened or read (a missing
file, a folder, an unusable header, a damaged project, a table the project
does not have), 3 an output that cannot be written.</source>
        <translation>退出状态：0 所有行已写出（包括无真实空气的行），1 无法执行的命令行（包括输出
即为输入文件：按名称、经标准输入或项目的标准输出；所有项目表格写入一个文件），
2 无法打开或读取的输入（文件不存在、是文件夹、表头不可用、项目损坏、项目没有
所请求的表格），3 无法写入的输出。</translation>
    </message>
    <message>
        <source>Examples:
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project office.vwproj -o tables/
  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI</source>
        <translation>示例：
  printf &apos;time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n&apos; |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project office.vwproj -o tables/
  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI</translation>
    </message>
</context>
<context>
    <name>batch::Options</name>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with ft or m, such as 1500ft</source>
        <translation>%1：无法读取“%2”；请给出带 ft 或 m 的数值，例如 1500ft</translation>
    </message>
    <message>
        <source>%1: cannot read &quot;%2&quot;; give a number with psia, kPa, Pa, mbar or inHg, such as 101.325kPa</source>
        <translation>%1：无法读取“%2”；请给出带 psia、kPa、Pa、mbar 或 inHg 的数值，例如 101.325kPa</translation>
    </message>
    <message>
        <source>--units: give IP or SI</source>
        <translation>--units：请给出 IP 或 SI</translation>
    </message>
    <message>
        <source>%1: give a value</source>
        <translation>%1：请给出一个值</translation>
    </message>
    <message>
        <source>Give --pressure or --altitude, not both</source>
        <translation>请给出 --pressure 或 --altitude，不能两者都给</translation>
    </message>
    <message>
        <source>--epw: give a weather file</source>
        <translation>--epw：请给出一个气象文件</translation>
    </message>
    <message>
        <source>--project: give a project file</source>
        <translation>--project：请给出一个项目文件</translation>
    </message>
    <message>
        <source>--table: give one of %1</source>
        <translation>--table：请给出以下之一：%1</translation>
    </message>
    <message>
        <source>%1: give a file</source>
        <translation>%1：请给出一个文件</translation>
    </message>
    <message>
        <source>Give one input file</source>
        <translation>只能给出一个输入文件</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;; see --help</source>
        <translation>未知选项“%1”；参见 --help</translation>
    </message>
    <message>
        <source>Give a CSV file or --epw, not both</source>
        <translation>请给出 CSV 文件或 --epw，不能两者都给</translation>
    </message>
    <message>
        <source>Give a CSV file, --epw or --project, one of them</source>
        <translation>CSV 文件、--epw 和 --project 只能给出其中之一</translation>
    </message>
    <message>
        <source>Give -o or -, not both</source>
        <translation>请给出 -o 或 -，不能两者都给</translation>
    </message>
    <message>
        <source>A project gives its points their atmospheric pressure: %1 does not apply with --project</source>
        <translation>项目自带其状态点的大气压力：%1 不能与 --project 同用</translation>
    </message>
    <message>
        <source>--formats does not apply with --project: its tables have their own</source>
        <translation>--formats 不能与 --project 同用：项目的表格有自己的格式</translation>
    </message>
    <message>
        <source>--table applies with --project</source>
        <translation>--table 须与 --project 同用</translation>
    </message>
    <message>
        <source>A weather file gives each hour its station pressure: %1 does not apply with --epw</source>
        <translation>气象文件为每小时给出测站气压：%1 不能与 --epw 同用</translation>
    </message>
</context>
<context>
    <name>batch::ProjectRun</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 has no air handler: it has no table %2</source>
        <translation>%1 没有空调箱：没有表格 %2</translation>
    </message>
    <message>
        <source>The output is the input file (standard output)</source>
        <translation>输出就是输入文件（标准输出）</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>输出 %1 就是输入文件</translation>
    </message>
    <message>
        <source>The project has %1 tables: give --table NAME to write one to %2, or a folder (a name ending in &quot;/&quot;) for all</source>
        <translation>项目有 %1 个表格：请用 --table 名称 将其中一个写入 %2，或给出一个文件夹（以“/”结尾的名称）写入全部表格</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
</context>
<context>
    <name>batch::Run</name>
    <message>
        <source>Could not read the input: %1</source>
        <translation>无法读取输入：%1</translation>
    </message>
    <message>
        <source>The input is empty: it needs a header line such as &quot;dry_bulb_F,relative_humidity_pct&quot;</source>
        <translation>输入为空：需要一行表头，例如 &quot;dry_bulb_F,relative_humidity_pct&quot;</translation>
    </message>
    <message>
        <source>Unusable header: the header line is longer than 16 MiB</source>
        <translation>表头不可用：表头行超过 16 MiB</translation>
    </message>
    <message>
        <source>Unusable header: %1</source>
        <translation>表头不可用：%1</translation>
    </message>
    <message>
        <source>The input has a column %1; --pressure and --altitude apply to files without one</source>
        <translation>输入中已有列 %1；--pressure 和 --altitude 只适用于没有该列的文件</translation>
    </message>
    <message>
        <source>Cannot open the weather file &quot;%1&quot;: %2</source>
        <translation>无法打开气象文件“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
</context>
<context>
    <name>batch::main</name>
    <message>
        <source>Try &apos;vaporwright-batch --help&apos;.</source>
        <translation>请尝试“vaporwright-batch --help”。</translation>
    </message>
    <message>
        <source>Cannot open the weather file %1: %2</source>
        <translation>无法打开气象文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>The output %1 is the input file</source>
        <translation>输出 %1 就是输入文件</translation>
    </message>
    <message>
        <source>The output %1 is the input file (standard input)</source>
        <translation>输出 %1 就是输入文件（标准输入）</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Could not write the output</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>Could not write the output %1</source>
        <translation>无法写入输出 %1</translation>
    </message>
    <message>
        <source>unexpected failure</source>
        <translation>意外故障</translation>
    </message>
</context>
<context>
    <name>chart::AddProcessDialog</name>
    <message>
        <source>Add Process</source>
        <translation>添加过程</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>起点(&amp;F)：</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>进口状态点</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>终点(&amp;T)：</translation>
    </message>
    <message>
        <source>Leaving point</source>
        <translation>出口状态点</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerInteraction</name>
    <message>
        <source>The point was not moved: %1</source>
        <translation>点未移动：%1</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerLayer</name>
    <message>
        <source>Room</source>
        <translation>房间</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>室外</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>送风</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>显热比 %1</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏季</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>Air handler, %1: no solution. %2</source>
        <translation>空调机组，%1：无解。%2</translation>
    </message>
    <message>
        <source>Air handler, %1: room %2, outdoor %3, mixed %4, supply %5</source>
        <translation>空调机组，%1：房间 %2，室外 %3，混合 %4，送风 %5</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 从 %2 到 %3</translation>
    </message>
</context>
<context>
    <name>chart::AirHandlerPanel</name>
    <message>
        <source>sensible %1, latent %2</source>
        <translation>显热 %1，潜热 %2</translation>
    </message>
    <message>
        <source>no economizer</source>
        <translation>无节能器</translation>
    </message>
    <message>
        <source>dry-bulb economizer</source>
        <translation>干球温度节能器</translation>
    </message>
    <message>
        <source>enthalpy economizer</source>
        <translation>焓值节能器</translation>
    </message>
    <message>
        <source>to the supply air</source>
        <translation>至送风状态</translation>
    </message>
    <message>
        <source>by a rise</source>
        <translation>按温升</translation>
    </message>
    <message>
        <source>to a leaving dry bulb</source>
        <translation>至出口干球温度</translation>
    </message>
    <message>
        <source>to the supply&apos;s humidity</source>
        <translation>至送风含湿量</translation>
    </message>
    <message>
        <source>by ADP and bypass factor</source>
        <translation>按机器露点和旁通系数</translation>
    </message>
    <message>
        <source>to a leaving dry bulb and RH</source>
        <translation>至出口干球温度和相对湿度</translation>
    </message>
    <message>
        <source>by its power</source>
        <translation>按功率</translation>
    </message>
    <message>
        <source>steam</source>
        <translation>蒸汽</translation>
    </message>
    <message>
        <source>adiabatic</source>
        <translation>绝热</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏季</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>工况(&amp;C)：</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>制冷</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>制热</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>工作模式(&amp;U)：</translation>
    </message>
    <message>
        <source>The project has no air handler yet. Start from an example design: a room of 100,000 Btu/h sensible and 25,000 Btu/h latent gains in summer, with its winter case.</source>
        <translation>项目尚无空调机组。可从示例设计开始：夏季显热得热 100,000 Btu/h、潜热得热 25,000 Btu/h 的房间，以及其冬季工况。</translation>
    </message>
    <message>
        <source>Design an &amp;Air Handler</source>
        <translation>设计空调机组(&amp;A)</translation>
    </message>
    <message>
        <source>Air handler settings</source>
        <translation>空调机组设置</translation>
    </message>
    <message>
        <source>Air handler status</source>
        <translation>空调机组状态</translation>
    </message>
    <message>
        <source>Air handler message</source>
        <translation>空调机组消息</translation>
    </message>
    <message>
        <source>Remove the Air Handler</source>
        <translation>删除空调机组</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>湿球温度</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>相对湿度</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>含湿量</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>焓</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>房间</translation>
    </message>
    <message>
        <source>Outdoor air</source>
        <translation>室外空气</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第一</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第二</translation>
    </message>
    <message>
        <source>%1, %2 property</source>
        <translation>%1，%2 参数</translation>
    </message>
    <message>
        <source>%1, %2 value</source>
        <translation>%1，%2 数值</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>房间(&amp;R)：</translation>
    </message>
    <message>
        <source>Room, &amp;2nd:</source>
        <translation>房间，第二项(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Sensible load:</source>
        <translation>显热负荷(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Latent load:</source>
        <translation>潜热负荷(&amp;L)：</translation>
    </message>
    <message>
        <source>Load unit:</source>
        <translation>负荷单位：</translation>
    </message>
    <message>
        <source>Difference to room</source>
        <translation>与房间温差</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>风量</translation>
    </message>
    <message>
        <source>Su&amp;pply by:</source>
        <translation>送风依据(&amp;P)：</translation>
    </message>
    <message>
        <source>Airflow unit:</source>
        <translation>风量单位：</translation>
    </message>
    <message>
        <source>Ou&amp;tdoor:</source>
        <translation>室外(&amp;T)：</translation>
    </message>
    <message>
        <source>Outdoor, 2n&amp;d:</source>
        <translation>室外，第二项(&amp;D)：</translation>
    </message>
    <message>
        <source>From the Weather File&apos;s Desi&amp;gn Conditions</source>
        <translation>取自气象文件的设计条件(&amp;G)</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point (&amp;b)</source>
        <translation>夏季按除湿露点(&amp;B)</translation>
    </message>
    <message>
        <source>Summer outdoor air at the 0.4 % dehumidification dew point with its mean coincident dry bulb, instead of the 0.4 % cooling dry bulb with its mean coincident wet bulb.</source>
        <translation>夏季室外空气取 0.4% 除湿露点及其平均同时干球温度，而非 0.4% 制冷干球温度及其平均同时湿球温度。</translation>
    </message>
    <message>
        <source>Share of supply</source>
        <translation>占送风比例</translation>
    </message>
    <message>
        <source>Outdoor air b&amp;y:</source>
        <translation>新风依据(&amp;Y)：</translation>
    </message>
    <message>
        <source>Components, in the order the air meets them</source>
        <translation>组件（按空气流经顺序）</translation>
    </message>
    <message>
        <source>Insert adds, Delete removes, Enter edits, Ctrl+Up and Ctrl+Down move the component.</source>
        <translation>Insert 添加，Delete 删除，Enter 编辑，Ctrl+上/下 移动组件。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Wheel</source>
        <translation>热回收转轮(&amp;W)</translation>
    </message>
    <message>
        <source>Heat-Recovery &amp;Plate</source>
        <translation>板式热回收(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Mixing Box</source>
        <translation>混合箱(&amp;M)</translation>
    </message>
    <message>
        <source>P&amp;reheat Coil</source>
        <translation>预热盘管(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cooling Coil</source>
        <translation>冷却盘管(&amp;C)</translation>
    </message>
    <message>
        <source>R&amp;eheat Coil</source>
        <translation>再热盘管(&amp;E)</translation>
    </message>
    <message>
        <source>Supply &amp;Fan</source>
        <translation>送风机(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Steam Humidifier</source>
        <translation>蒸汽加湿器(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Adiabatic Humidifier</source>
        <translation>绝热加湿器(&amp;A)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>编辑...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Air handler tables</source>
        <translation>空调机组表格</translation>
    </message>
    <message>
        <source>Rollup of both cases</source>
        <translation>两种工况汇总</translation>
    </message>
    <message>
        <source>Components of the case shown</source>
        <translation>所示工况的组件</translation>
    </message>
    <message>
        <source>Rollup, Summer and Winter</source>
        <translation>汇总（夏季和冬季）</translation>
    </message>
    <message>
        <source>Components of the Case</source>
        <translation>本工况组件</translation>
    </message>
    <message>
        <source>E&amp;xport Components...</source>
        <translation>导出组件(&amp;X)...</translation>
    </message>
    <message>
        <source>Export Rollup...</source>
        <translation>导出汇总...</translation>
    </message>
    <message>
        <source>Air handler</source>
        <translation>空调机组</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>工况</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Room sensible load</source>
        <translation>房间显热负荷</translation>
    </message>
    <message>
        <source>Room latent load</source>
        <translation>房间潜热负荷</translation>
    </message>
    <message>
        <source>Load unit</source>
        <translation>负荷单位</translation>
    </message>
    <message>
        <source>Room sensible heat ratio</source>
        <translation>房间显热比</translation>
    </message>
    <message>
        <source>Supply by</source>
        <translation>送风依据</translation>
    </message>
    <message>
        <source>Supply value</source>
        <translation>送风数值</translation>
    </message>
    <message>
        <source>Supply air</source>
        <translation>送风</translation>
    </message>
    <message>
        <source>Airflow unit</source>
        <translation>风量单位</translation>
    </message>
    <message>
        <source>Summer at the dehumidification dew point</source>
        <translation>夏季按除湿露点</translation>
    </message>
    <message>
        <source>Outdoor air by</source>
        <translation>新风依据</translation>
    </message>
    <message>
        <source>Outdoor air value</source>
        <translation>新风数值</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>组件</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>添加组件</translation>
    </message>
    <message>
        <source>Edit component</source>
        <translation>编辑组件</translation>
    </message>
    <message>
        <source>Remove component</source>
        <translation>删除组件</translation>
    </message>
    <message>
        <source>Move component up</source>
        <translation>上移组件</translation>
    </message>
    <message>
        <source>Move component down</source>
        <translation>下移组件</translation>
    </message>
    <message>
        <source>Export components as CSV</source>
        <translation>将组件导出为 CSV</translation>
    </message>
    <message>
        <source>Export rollup as CSV</source>
        <translation>将汇总导出为 CSV</translation>
    </message>
    <message>
        <source>Design an air handler</source>
        <translation>设计空调机组</translation>
    </message>
    <message>
        <source>Remove the air handler</source>
        <translation>删除空调机组</translation>
    </message>
    <message>
        <source>SHR %1</source>
        <translation>显热比 %1</translation>
    </message>
    <message>
        <source>SHR –</source>
        <translation>显热比 –</translation>
    </message>
    <message>
        <source>Supply air %1 %2, %3 %4; %5 %6; %7 %8 of dry air</source>
        <translation>送风 %1 %2，%3 %4；%5 %6；干空气 %7 %8</translation>
    </message>
    <message>
        <source>No supply air: the case has no solution.</source>
        <translation>无送风：该工况无解。</translation>
    </message>
    <message>
        <source>Design conditions of %1</source>
        <translation>%1 的设计条件</translation>
    </message>
    <message>
        <source>Open a weather file first.</source>
        <translation>请先打开气象文件。</translation>
    </message>
    <message>
        <source>No solution: %1</source>
        <translation>无解：%1</translation>
    </message>
    <message>
        <source>The chain reaches the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2.</source>
        <translation>组件链达到送风状态：满足房间显热负荷的 %1，潜热负荷的 %2。</translation>
    </message>
    <message>
        <source>The air leaving the chain misses the supply air: it meets the room&apos;s sensible load to %1 and its latent load to %2, not within 1 %. Order or size the components until it does.</source>
        <translation>离开组件链的空气未达到送风状态：满足房间显热负荷的 %1，潜热负荷的 %2，未在 1% 以内。请调整组件顺序或参数直至满足。</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>未更改：%1</translation>
    </message>
    <message>
        <source>Not changed: “%1” is not a number.</source>
        <translation>未更改：“%1”不是数字。</translation>
    </message>
    <message>
        <source>Open a weather file first: its design conditions give the outdoor air.</source>
        <translation>请先打开气象文件：其设计条件给出室外空气。</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % dehumidification design.</source>
        <translation>气象文件没有 0.4% 除湿设计条件。</translation>
    </message>
    <message>
        <source>The weather file gives no 0.4 % cooling design.</source>
        <translation>气象文件没有 0.4% 制冷设计条件。</translation>
    </message>
    <message>
        <source>The weather file gives no 99.6 % heating design.</source>
        <translation>气象文件没有 99.6% 供暖设计条件。</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>导出空调机组组件</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>导出空调机组汇总</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>未导出：%1</translation>
    </message>
    <message>
        <source>tons</source>
        <translation>冷吨</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>chart::ChartPainter</name>
    <message>
        <source>Dry bulb temperature, %1</source>
        <translation>干球温度，%1</translation>
    </message>
    <message>
        <source>Humidity ratio, %1</source>
        <translation>含湿量，%1</translation>
    </message>
    <message>
        <source>%1    Atmospheric pressure %2 %3</source>
        <translation>%1    大气压力 %2 %3</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和线</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>相对湿度，%</translation>
    </message>
    <message>
        <source>Wet bulb, %1</source>
        <translation>湿球温度，%1</translation>
    </message>
    <message>
        <source>Enthalpy, %1</source>
        <translation>焓，%1</translation>
    </message>
    <message>
        <source>Specific volume, %1</source>
        <translation>比容，%1</translation>
    </message>
    <message>
        <source>State  %1 %2</source>
        <translation>状态  %1 %2</translation>
    </message>
    <message>
        <source>No chart: the atmospheric pressure is not valid.</source>
        <translation>无法绘图：大气压力无效。</translation>
    </message>
</context>
<context>
    <name>chart::ChartStyle</name>
    <message>
        <source>Mollier h-x Diagram</source>
        <translation>莫里尔 h-x 图</translation>
    </message>
    <message>
        <source>Psychrometric Chart</source>
        <translation>焓湿图</translation>
    </message>
</context>
<context>
    <name>chart::ChartWindow</name>
    <message>
        <source>A&amp;ir Handler</source>
        <translation>空调机组(&amp;I)</translation>
    </message>
    <message>
        <source>Export Air Handler Co&amp;mponents (CSV)...</source>
        <translation>导出空调机组组件 (CSV)(&amp;M)...</translation>
    </message>
    <message>
        <source>Export Air Handler Ro&amp;llup (CSV)...</source>
        <translation>导出空调机组汇总 (CSV)(&amp;L)...</translation>
    </message>
    <message>
        <source>Export Air Handler Components</source>
        <translation>导出空调机组组件</translation>
    </message>
    <message>
        <source>Export Air Handler Rollup</source>
        <translation>导出空调机组汇总</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>项目中没有空调机组。</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Air handler, summer case: the chain</source>
        <translation>空调机组，夏季工况：处理链</translation>
    </message>
    <message>
        <source>Air handler, winter case: the chain</source>
        <translation>空调机组，冬季工况：处理链</translation>
    </message>
    <message>
        <source>Air handler: rollup of both cases</source>
        <translation>空调机组：两种工况汇总</translation>
    </message>
    <message>
        <source>&amp;Weather</source>
        <translation>气象(&amp;W)</translation>
    </message>
    <message>
        <source>The psychrometric chart of the calculator&apos;s state. Escape hides it; F2 in the calculator shows it again.</source>
        <translation>计算器状态的焓湿图。Esc 隐藏它；在计算器中按 F2 再次显示。</translation>
    </message>
    <message>
        <source>Chart of moist air at the calculator&apos;s atmospheric pressure, with the computed state marked. Hovering the mouse over it shows the properties of the point under the pointer; a double click enters that point into the calculator as dry bulb temperature and humidity ratio; with Shift it adds a state point there. State points can be dragged. The wheel zooms.</source>
        <translation>计算器大气压力下的湿空气图，并标出计算状态。鼠标悬停显示指针下点的参数；双击将该点以干球温度和含湿量输入计算器；按住 Shift 双击则在该处添加状态点。状态点可以拖动。滚轮缩放。</translation>
    </message>
    <message>
        <source>%1 resets the zoom.</source>
        <translation>%1 重置缩放。</translation>
    </message>
    <message>
        <source>%1 copies the chart.</source>
        <translation>%1 复制图表。</translation>
    </message>
    <message>
        <source>%1 saves it to a file.</source>
        <translation>%1 将其保存到文件。</translation>
    </message>
    <message>
        <source>Psychrometric chart</source>
        <translation>焓湿图</translation>
    </message>
    <message>
        <source>Chart menu</source>
        <translation>图表菜单</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>侧边栏</translation>
    </message>
    <message>
        <source>The points, processes, zones and weather shown on the chart, a tab each. F9 hides and shows the panel.</source>
        <translation>图上显示的状态点、过程、区域和气象，各占一个选项卡。F9 隐藏或显示侧边栏。</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>气象文件</translation>
    </message>
    <message>
        <source>The hours of a weather file on the chart: display, month and hour filter, zones, limits, hour counts and design conditions.</source>
        <translation>图上气象文件的小时数据：显示方式、月份和时段筛选、区域、限值、小时统计和设计工况。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Weather File...</source>
        <translation>打开气象文件(&amp;W)...</translation>
    </message>
    <message>
        <source>Export Weather S&amp;tatistics...</source>
        <translation>导出气象统计(&amp;T)...</translation>
    </message>
    <message>
        <source>Close Weather &amp;File</source>
        <translation>关闭气象文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Side &amp;Panel</source>
        <translation>侧边栏(&amp;P)</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>无法显示 %1：%2</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>该文件不存在。</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Weather File</source>
        <translation>打开气象文件</translation>
    </message>
    <message>
        <source>Reading the weather file</source>
        <translation>正在读取气象文件</translation>
    </message>
    <message>
        <source>the calculator&apos;s pressure</source>
        <translation>计算器的压力</translation>
    </message>
    <message>
        <source>standard sea-level pressure</source>
        <translation>标准海平面压力</translation>
    </message>
    <message>
        <source>reading was cancelled.</source>
        <translation>读取已取消。</translation>
    </message>
    <message>
        <source>it holds no hour of valid weather.</source>
        <translation>其中没有任何有效的逐时气象数据。</translation>
    </message>
    <message>
        <source>Weather files (*.epw *.csv);;All files (*)</source>
        <translation>气象文件 (*.epw *.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Weather Statistics</source>
        <translation>导出气象统计</translation>
    </message>
    <message>
        <source>Weather statistics.csv</source>
        <translation>气象统计.csv</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1.</source>
        <translation>无法将统计写入 %1。</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>Psychrometric report.pdf</source>
        <translation>焓湿报告.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>无法将报告写入 %1。</translation>
    </message>
    <message>
        <source>Air handler components.csv</source>
        <translation>空调机组组件.csv</translation>
    </message>
    <message>
        <source>Air handler rollup.csv</source>
        <translation>空调机组汇总.csv</translation>
    </message>
    <message>
        <source>Vaporwright projects (*.%1);;All files (*)</source>
        <translation>Vaporwright 项目 (*.%1);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Poi&amp;nts</source>
        <translation>状态点(&amp;N)</translation>
    </message>
    <message>
        <source>Pr&amp;ocesses</source>
        <translation>过程(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Zones</source>
        <translation>区域(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>新建项目(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>打开项目(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>保存项目(&amp;S)</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>项目另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Export &amp;Points (CSV)...</source>
        <translation>导出状态点 (CSV)(&amp;P)...</translation>
    </message>
    <message>
        <source>Export Proc&amp;esses (CSV)...</source>
        <translation>导出过程 (CSV)(&amp;E)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>打印预览(&amp;V)...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>打印(&amp;R)...</translation>
    </message>
    <message>
        <source>Export Report (P&amp;DF)...</source>
        <translation>导出报告 (PDF)(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U)：%1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R)：%1</translation>
    </message>
    <message>
        <source>Psychrometric Chart[*]</source>
        <translation>焓湿图[*]</translation>
    </message>
    <message>
        <source>Psychrometric Chart - %1[*]</source>
        <translation>焓湿图 - %1[*]</translation>
    </message>
    <message>
        <source>Unsaved Project</source>
        <translation>未保存的项目</translation>
    </message>
    <message>
        <source>The project has changes that are not saved. Save them first?</source>
        <translation>项目有未保存的更改。先保存吗？</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2
The project shown is kept.</source>
        <translation>无法打开 %1：%2
保留当前显示的项目。</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>项目另存为</translation>
    </message>
    <message>
        <source>Project.vwproj</source>
        <translation>项目.vwproj</translation>
    </message>
    <message>
        <source>Export Points</source>
        <translation>导出状态点</translation>
    </message>
    <message>
        <source>State points.csv</source>
        <translation>状态点.csv</translation>
    </message>
    <message>
        <source>Export Processes</source>
        <translation>导出过程</translation>
    </message>
    <message>
        <source>Processes.csv</source>
        <translation>过程.csv</translation>
    </message>
    <message>
        <source>Mollier h-x diagram</source>
        <translation>莫里尔 h-x 图</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 kPa, SI units</source>
        <translation>大气压力 %1 kPa，SI 单位</translation>
    </message>
    <message>
        <source>Atmospheric pressure %1 psia, IP units</source>
        <translation>大气压力 %1 psia，IP 单位</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>项目 %1</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>小时统计</translation>
    </message>
    <message>
        <source>Design conditions (all hours)</source>
        <translation>设计工况（全部小时）</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the point lies inside the zone</comment>
        <translation>内</translation>
    </message>
    <message>
        <source>out</source>
        <comment>the point lies outside the zone</comment>
        <translation>外</translation>
    </message>
    <message>
        <source>State points</source>
        <translation>状态点</translation>
    </message>
    <message>
        <source>Zones (in: the point lies inside): </source>
        <translation>区域（内：该点位于区域内）：</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>过程</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>打印报告</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>无法打印报告。</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print preview of the report</source>
        <translation>报告的打印预览</translation>
    </message>
</context>
<context>
    <name>chart::ComponentDialog</name>
    <message>
        <source>%1 Settings</source>
        <translation>%1 设置</translation>
    </message>
    <message>
        <source>Component message</source>
        <translation>组件消息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>0 to 1</source>
        <translation>0 到 1</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>%1 单位</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>“%1”不是 %2 的有效数字。</translation>
    </message>
    <message>
        <source>&amp;Exchanger:</source>
        <translation>换热器(&amp;E)：</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>转轮</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>板式</translation>
    </message>
    <message>
        <source>&amp;Sensible effectiveness:</source>
        <translation>显热效率(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Latent effectiveness:</source>
        <translation>潜热效率(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Given exhaust airflow (otherwise balanced)</source>
        <translation>指定排风量（否则平衡）(&amp;G)</translation>
    </message>
    <message>
        <source>E&amp;xhaust airflow:</source>
        <translation>排风量(&amp;X)：</translation>
    </message>
    <message>
        <source>&amp;Economizer:</source>
        <translation>节能器(&amp;E)：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>焓</translation>
    </message>
    <message>
        <source>&amp;High limit</source>
        <translation>上限(&amp;H)</translation>
    </message>
    <message>
        <source>High-limit &amp;dry bulb:</source>
        <translation>上限干球温度(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Maximum outdoor air share:</source>
        <translation>最大新风比例(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>作用(&amp;R)：</translation>
    </message>
    <message>
        <source>Preheat</source>
        <translation>预热</translation>
    </message>
    <message>
        <source>Reheat</source>
        <translation>再热</translation>
    </message>
    <message>
        <source>&amp;Sized by:</source>
        <translation>选型依据(&amp;S)：</translation>
    </message>
    <message>
        <source>Leaving dry bulb</source>
        <translation>出口干球温度</translation>
    </message>
    <message>
        <source>Temperature rise</source>
        <translation>温升</translation>
    </message>
    <message>
        <source>To the supply air</source>
        <translation>至送风状态</translation>
    </message>
    <message>
        <source>&amp;Leaving dry bulb:</source>
        <translation>出口干球温度(&amp;L)：</translation>
    </message>
    <message>
        <source>Temperature r&amp;ise:</source>
        <translation>温升(&amp;I)：</translation>
    </message>
    <message>
        <source>Leaving dry bulb and RH</source>
        <translation>出口干球温度和相对湿度</translation>
    </message>
    <message>
        <source>Apparatus dew point and bypass</source>
        <translation>机器露点和旁通</translation>
    </message>
    <message>
        <source>To the supply&apos;s humidity</source>
        <translation>至送风含湿量</translation>
    </message>
    <message>
        <source>Leaving relative &amp;humidity:</source>
        <translation>出口相对湿度(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Apparatus dew point:</source>
        <translation>机器露点(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Bypass factor:</source>
        <translation>旁通系数(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Heat by:</source>
        <translation>发热依据(&amp;H)：</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>&amp;Shaft power:</source>
        <translation>轴功率(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Power unit:</source>
        <translation>功率单位(&amp;P)：</translation>
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
        <translation>电机效率(&amp;M)：</translation>
    </message>
    <message>
        <source>Motor in the &amp;airstream</source>
        <translation>电机位于气流中(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Rise:</source>
        <translation>温升(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>类型(&amp;K)：</translation>
    </message>
    <message>
        <source>Steam</source>
        <translation>蒸汽</translation>
    </message>
    <message>
        <source>Adiabatic</source>
        <translation>绝热</translation>
    </message>
    <message>
        <source>Leaving dew point</source>
        <translation>出口露点</translation>
    </message>
    <message>
        <source>Leaving relative humidity</source>
        <translation>出口相对湿度</translation>
    </message>
    <message>
        <source>Leaving &amp;dew point:</source>
        <translation>出口露点(&amp;D)：</translation>
    </message>
    <message>
        <source>S&amp;team temperature:</source>
        <translation>蒸汽温度(&amp;T)：</translation>
    </message>
</context>
<context>
    <name>chart::CoolingCoilDialog</name>
    <message>
        <source>Cooling Coil</source>
        <translation>冷却盘管</translation>
    </message>
    <message>
        <source>&amp;Entering air:</source>
        <translation>进口空气(&amp;E)：</translation>
    </message>
    <message>
        <source>Entering point</source>
        <translation>进口状态点</translation>
    </message>
    <message>
        <source>Entering air</source>
        <translation>进口空气</translation>
    </message>
    <message>
        <source>Apparatus dew point in %1</source>
        <translation>机器露点，单位 %1</translation>
    </message>
    <message>
        <source>Apparatus &amp;dew point (%1):</source>
        <translation>机器露点(&amp;D)（%1）：</translation>
    </message>
    <message>
        <source>Bypass factor, 0 to 1</source>
        <translation>旁通系数，0 到 1</translation>
    </message>
    <message>
        <source>&amp;Bypass factor (0 to 1):</source>
        <translation>旁通系数(&amp;B)（0 到 1）：</translation>
    </message>
    <message>
        <source>Dry bulb %1 %2</source>
        <translation>干球温度 %1 %2</translation>
    </message>
    <message>
        <source>, dew point %1 %2</source>
        <translation>，露点 %1 %2</translation>
    </message>
    <message>
        <source>Type the apparatus dew point as a number in %1.</source>
        <translation>请输入机器露点，单位为 %1。</translation>
    </message>
    <message>
        <source>Type the bypass factor as a number from 0 up to 1.</source>
        <translation>请输入 0 到 1 之间的旁通系数。</translation>
    </message>
</context>
<context>
    <name>chart::HoverReadout</name>
    <message>
        <source>Dry bulb %1</source>
        <translation>干球温度 %1</translation>
    </message>
    <message>
        <source>Humidity ratio %1 %2</source>
        <translation>含湿量 %1 %2</translation>
    </message>
    <message>
        <source>Supersaturated</source>
        <translation>过饱和</translation>
    </message>
    <message>
        <source>Relative humidity %1 %</source>
        <translation>相对湿度 %1 %</translation>
    </message>
    <message>
        <source>Wet bulb %1</source>
        <translation>湿球温度 %1</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>露点 %1</translation>
    </message>
    <message>
        <source>Enthalpy %1 %2</source>
        <translation>焓 %1 %2</translation>
    </message>
    <message>
        <source>Specific volume %1 %2</source>
        <translation>比容 %1 %2</translation>
    </message>
</context>
<context>
    <name>chart::MixDialog</name>
    <message>
        <source>Mix</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>&amp;First stream:</source>
        <translation>第一股气流(&amp;F)：</translation>
    </message>
    <message>
        <source>First point</source>
        <translation>第一个状态点</translation>
    </message>
    <message>
        <source>&amp;Second stream:</source>
        <translation>第二股气流(&amp;S)：</translation>
    </message>
    <message>
        <source>Second point</source>
        <translation>第二个状态点</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 has none.</source>
        <translation>两个状态点都需要风量才能混合：%1 没有风量。</translation>
    </message>
    <message>
        <source>Both points need an airflow to mix: %1 and %2 have none.</source>
        <translation>两个状态点都需要风量才能混合：%1 和 %2 没有风量。</translation>
    </message>
</context>
<context>
    <name>chart::MixingTableModel</name>
    <message>
        <source>First</source>
        <translation>第一股</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>第二股</translation>
    </message>
    <message>
        <source>Mixture</source>
        <translation>混合点</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>Mixture %1 of %2 and %3</source>
        <translation>%2 与 %3 的混合点 %1</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第一股</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第二股</translation>
    </message>
    <message>
        <source>mixture</source>
        <translation>混合点</translation>
    </message>
    <message>
        <source>ratio</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1，%2 %3</translation>
    </message>
</context>
<context>
    <name>chart::PointDialog</name>
    <message>
        <source>Add Point</source>
        <translation>添加状态点</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第一</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>第二</translation>
    </message>
    <message>
        <source>&amp;First property:</source>
        <translation>第一个参数(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Second property:</source>
        <translation>第二个参数(&amp;S)：</translation>
    </message>
    <message>
        <source>First &amp;value:</source>
        <translation>第一个数值(&amp;V)：</translation>
    </message>
    <message>
        <source>Second va&amp;lue:</source>
        <translation>第二个数值(&amp;L)：</translation>
    </message>
    <message>
        <source>%1 property</source>
        <translation>%1个参数</translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation>%1个数值</translation>
    </message>
    <message>
        <source>%1 value&apos;s unit</source>
        <translation>%1个数值的单位</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Left empty, the point takes the next name in sequence.</source>
        <translation>留空时，状态点使用序列中的下一个名称。</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Type the %1.</source>
        <translation>请输入%1。</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2.</source>
        <translation>“%1”不是%2的有效数字。</translation>
    </message>
</context>
<context>
    <name>chart::PointTableModel</name>
    <message>
        <source>Airflow unit</source>
        <translation>风量单位</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Defined by</source>
        <translation>确定参数</translation>
    </message>
    <message>
        <source>Airflow</source>
        <translation>风量</translation>
    </message>
    <message>
        <source>Dry air</source>
        <translation>干空气</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>区域</translation>
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
        <translation>状态</translation>
    </message>
    <message>
        <source>The two properties the point is defined by; their cells are bold.</source>
        <translation>确定该状态点的两个参数；其单元格为粗体。</translation>
    </message>
    <message>
        <source>Thermal comfort by ISO 7730 with the project&apos;s comfort parameters, the mean radiant temperature equal to the dry bulb.</source>
        <translation>按 ISO 7730 及项目的舒适度参数计算的热舒适度，平均辐射温度取干球温度。</translation>
    </message>
    <message>
        <source>Editable: a value typed here redefines the point.</source>
        <translation>可编辑：在此输入的数值会重新确定该状态点。</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>在内</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>在外</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>状态点 %1</translation>
    </message>
    <message>
        <source>%1, %2: none</source>
        <translation>%1，%2：无</translation>
    </message>
    <message>
        <source>%1, %2: none, %3</source>
        <translation>%1，%2：无，%3</translation>
    </message>
    <message>
        <source>, defines the point</source>
        <translation>，确定该状态点</translation>
    </message>
    <message>
        <source>Defines the point</source>
        <translation>确定该状态点</translation>
    </message>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>状态点 %1 不是真实空气：%2</translation>
    </message>
    <message>
        <source>“%1” is not a number for the %2; nothing was changed.</source>
        <translation>“%1”不是%2的有效数字；未作任何更改。</translation>
    </message>
    <message>
        <source>“%1” is not a number for the airflow; nothing was changed.</source>
        <translation>“%1”不是风量的有效数字；未作任何更改。</translation>
    </message>
    <message>
        <source>“%1” is not an airflow unit; choose one of %2.</source>
        <translation>“%1”不是风量单位；请从 %2 中选择。</translation>
    </message>
    <message>
        <source>Give point %1 an airflow first.</source>
        <translation>请先为状态点 %1 指定风量。</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>dry bulb</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>Wet bulb</source>
        <translation>湿球温度</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>湿球温度</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>相对湿度</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>相对湿度</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>含湿量</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>含湿量</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>焓</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>焓</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>Vapor pressure</source>
        <translation>水蒸气分压力</translation>
    </message>
    <message>
        <source>vapor pressure</source>
        <translation>水蒸气分压力</translation>
    </message>
    <message>
        <source>Degree of saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>degree of saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Specific volume</source>
        <translation>比容</translation>
    </message>
    <message>
        <source>specific volume</source>
        <translation>比容</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>Absolute humidity</source>
        <translation>绝对湿度</translation>
    </message>
    <message>
        <source>absolute humidity</source>
        <translation>绝对湿度</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>海拔</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>海拔</translation>
    </message>
    <message>
        <source>Moisture concentration</source>
        <translation>水分浓度</translation>
    </message>
    <message>
        <source>moisture concentration</source>
        <translation>水分浓度</translation>
    </message>
</context>
<context>
    <name>chart::PointsView</name>
    <message>
        <source>State points</source>
        <translation>状态点</translation>
    </message>
    <message>
        <source>Pressure of the points</source>
        <translation>状态点的压力</translation>
    </message>
    <message>
        <source>One row per point. F2, Enter or typing edits a cell; Delete deletes the selected points.</source>
        <translation>每个状态点一行。F2、回车或直接输入可编辑单元格；Delete 键删除所选状态点。</translation>
    </message>
    <message>
        <source>Add the &amp;calculator&apos;s state</source>
        <translation>添加计算器的状态(&amp;C)</translation>
    </message>
    <message>
        <source>Add the calculator&apos;s state</source>
        <translation>添加计算器的状态</translation>
    </message>
    <message>
        <source>Adds the calculator&apos;s state as a point defined by its two ticked inputs.</source>
        <translation>将计算器的状态添加为由其两个勾选输入确定的状态点。</translation>
    </message>
    <message>
        <source>&amp;Add Point...</source>
        <translation>添加状态点(&amp;A)...</translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation>添加状态点</translation>
    </message>
    <message>
        <source>&amp;Delete Point</source>
        <translation>删除状态点(&amp;D)</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>删除状态点</translation>
    </message>
    <message>
        <source>Deletes the selected points (Delete); Undo brings them back.</source>
        <translation>删除所选状态点（Delete 键）；撤销可恢复。</translation>
    </message>
    <message>
        <source>Points message</source>
        <translation>状态点消息</translation>
    </message>
    <message>
        <source>S&amp;tate points:</source>
        <translation>状态点(&amp;T)：</translation>
    </message>
    <message>
        <source>All points at %1 %2</source>
        <translation>所有状态点的压力为 %1 %2</translation>
    </message>
    <message>
        <source> (altitude %1 %2)</source>
        <translation>（海拔 %1 %2）</translation>
    </message>
    <message>
        <source>, %1 units</source>
        <translation>，%1 单位制</translation>
    </message>
    <message>
        <source>Point %1 is solved at the points&apos; pressure, %2 %3, not the calculator&apos;s.</source>
        <translation>状态点 %1 按状态点的压力 %2 %3 计算，而非计算器的压力。</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>删除状态点 %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n points</source>
        <translation>
            <numerusform>删除 %n 个状态点</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chart::ProcessTableModel</name>
    <message>
        <source>From</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>To</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>过程</translation>
    </message>
    <message>
        <source>Sensible</source>
        <translation>显热</translation>
    </message>
    <message>
        <source>Latent</source>
        <translation>潜热</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>全热</translation>
    </message>
    <message>
        <source>SHR</source>
        <translation>显热比</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水量</translation>
    </message>
    <message>
        <source>ADP</source>
        <translation>机器露点</translation>
    </message>
    <message>
        <source>Bypass factor</source>
        <translation>旁通系数</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Process %1 to %2</source>
        <translation>过程 %1 至 %2</translation>
    </message>
    <message>
        <source>from</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>to</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>process</source>
        <translation>过程</translation>
    </message>
    <message>
        <source>dry-bulb change</source>
        <translation>干球温度变化</translation>
    </message>
    <message>
        <source>humidity-ratio change</source>
        <translation>含湿量变化</translation>
    </message>
    <message>
        <source>enthalpy change</source>
        <translation>焓变化</translation>
    </message>
    <message>
        <source>sensible</source>
        <translation>显热</translation>
    </message>
    <message>
        <source>latent</source>
        <translation>潜热</translation>
    </message>
    <message>
        <source>total</source>
        <translation>全热</translation>
    </message>
    <message>
        <source>sensible heat ratio</source>
        <translation>显热比</translation>
    </message>
    <message>
        <source>water</source>
        <translation>水量</translation>
    </message>
    <message>
        <source>apparatus dew point</source>
        <translation>机器露点</translation>
    </message>
    <message>
        <source>bypass factor</source>
        <translation>旁通系数</translation>
    </message>
    <message>
        <source>message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>%1, no %2</source>
        <translation>%1，无%2</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1，%2 %3</translation>
    </message>
</context>
<context>
    <name>chart::ProcessesView</name>
    <message>
        <source>Processes and mixtures</source>
        <translation>过程与混合</translation>
    </message>
    <message>
        <source>Heat unit</source>
        <translation>热量单位</translation>
    </message>
    <message>
        <source>&amp;Heat unit:</source>
        <translation>热量单位(&amp;H)：</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>过程</translation>
    </message>
    <message>
        <source>&amp;Processes</source>
        <translation>过程(&amp;P)</translation>
    </message>
    <message>
        <source>Mixtures</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Mi&amp;xtures</source>
        <translation>混合(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Add Process...</source>
        <translation>添加过程(&amp;A)...</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>添加过程</translation>
    </message>
    <message>
        <source>Cooling &amp;Coil...</source>
        <translation>冷却盘管(&amp;C)...</translation>
    </message>
    <message>
        <source>Cooling coil</source>
        <translation>冷却盘管</translation>
    </message>
    <message>
        <source>&amp;Mix...</source>
        <translation>混合(&amp;M)...</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>A process needs two points: add them on the chart first.</source>
        <translation>过程需要两个状态点：请先在焓湿图上添加。</translation>
    </message>
    <message>
        <source>Process added.</source>
        <translation>已添加过程。</translation>
    </message>
    <message>
        <source>A cooling coil needs the point of its entering air: add it on the chart first.</source>
        <translation>冷却盘管需要进口空气的状态点：请先在焓湿图上添加。</translation>
    </message>
    <message>
        <source>Cooling coil added: its leaving air is a new point.</source>
        <translation>已添加冷却盘管：其出口空气为新的状态点。</translation>
    </message>
    <message>
        <source>Mixing needs two points with airflows: add them on the chart first.</source>
        <translation>混合需要两个带风量的状态点：请先在焓湿图上添加。</translation>
    </message>
    <message>
        <source>Mixture added as a new point.</source>
        <translation>已将混合结果添加为新的状态点。</translation>
    </message>
    <message>
        <source>Process deleted (Undo brings it back).</source>
        <translation>已删除过程（撤销可恢复）。</translation>
    </message>
    <message>
        <source>Mixture record deleted; its point stays (Undo brings the record back).</source>
        <translation>已删除混合记录；其状态点保留（撤销可恢复记录）。</translation>
    </message>
    <message>
        <source>Select a process or a mixture to delete.</source>
        <translation>请选择要删除的过程或混合。</translation>
    </message>
    <message>
        <source>Processes message</source>
        <translation>过程消息</translation>
    </message>
</context>
<context>
    <name>chart::ProjectEditDialog</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Dialog buttons</source>
        <translation>对话框按钮</translation>
    </message>
    <message>
        <source>The project is closed.</source>
        <translation>项目已关闭。</translation>
    </message>
</context>
<context>
    <name>chart::ProjectInteraction</name>
    <message>
        <source>No point added: Shift + double-click inside the plot.</source>
        <translation>未添加点：请在绘图区内按住 Shift 双击。</translation>
    </message>
    <message>
        <source>No point added: there is no air above the saturation curve.</source>
        <translation>未添加点：饱和曲线以上不存在空气。</translation>
    </message>
    <message>
        <source>No point added: %1</source>
        <translation>未添加点：%1</translation>
    </message>
    <message>
        <source>there is no air here.</source>
        <translation>此处不存在空气。</translation>
    </message>
</context>
<context>
    <name>chart::ProjectLayer</name>
    <message>
        <source>Comfort zone</source>
        <translation>舒适区</translation>
    </message>
    <message>
        <source>Data room</source>
        <translation>数据机房</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1，未显示：%2</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 %5</source>
        <translation>%1：%2 %3，%4 %5</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>无状态点</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>状态点：%1</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 至 %2：%3</translation>
    </message>
    <message>
        <source>Processes: %1</source>
        <translation>过程：%1</translation>
    </message>
    <message>
        <source>%1 mixes %2 %3 % and %4 %5 % of the dry air</source>
        <translation>%1 由 %2 %3 % 与 %4 %5 % 的干空气混合而成</translation>
    </message>
    <message>
        <source>Mixtures: %1</source>
        <translation>混合：%1</translation>
    </message>
    <message>
        <source>thermal comfort zone</source>
        <translation>热舒适区</translation>
    </message>
    <message>
        <source>data-processing room envelope</source>
        <translation>数据机房包络区</translation>
    </message>
    <message>
        <source>Zones shown: %1</source>
        <translation>显示的区域：%1</translation>
    </message>
</context>
<context>
    <name>chart::PsychroChart</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>重置缩放(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;SHRAE Chart</source>
        <translation>ASHRAE 焓湿图(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mollier h-x Diagram</source>
        <translation>莫里尔 h-x 图(&amp;M)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>Save Chart As</source>
        <translation>图表另存为</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1.</source>
        <translation>无法将图表保存到 %1。</translation>
    </message>
</context>
<context>
    <name>chart::WeatherLayers</name>
    <message>
        <source>Hours per cell</source>
        <translation>每格小时数</translation>
    </message>
</context>
<context>
    <name>chart::WeatherPanel</name>
    <message>
        <source>Weather file, hours shown, zones and limits</source>
        <translation>气象文件、显示的小时、区域和限值</translation>
    </message>
    <message>
        <source>Hours shown</source>
        <translation>显示的小时</translation>
    </message>
    <message>
        <source>Density shading (hours per cell)</source>
        <translation>密度着色（每格小时数）</translation>
    </message>
    <message>
        <source>Dots coloured by month</source>
        <translation>按月份着色的点</translation>
    </message>
    <message>
        <source>Count %1</source>
        <translation>统计%1</translation>
    </message>
    <message>
        <source>&amp;Hours from</source>
        <translation>小时从(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>至(&amp;T)</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Thermal &amp;comfort (PMV)</source>
        <translation>热舒适 (PMV)(&amp;C)</translation>
    </message>
    <message>
        <source>Summer, 0.5 clo</source>
        <translation>夏季，0.5 clo</translation>
    </message>
    <message>
        <source>Winter, 1.0 clo</source>
        <translation>冬季，1.0 clo</translation>
    </message>
    <message>
        <source>&amp;Data-room envelope</source>
        <translation>数据机房包络线(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;User zone</source>
        <translation>用户区域(&amp;U)</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>无限值</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Hour counts</source>
        <translation>小时计数</translation>
    </message>
    <message>
        <source>Hours of the filtered months and hours of the day inside each zone shown and above and below each limit, with their share of the filtered hours.</source>
        <translation>筛选月份和时段内各显示区域内以及各限值以上和以下的小时数，及其占筛选小时的比例。</translation>
    </message>
    <message>
        <source>Design conditions</source>
        <translation>设计工况</translation>
    </message>
    <message>
        <source>Climatic design conditions computed from all hours of the file, beside the values its header gives.</source>
        <translation>由文件全部小时计算的气候设计工况，与文件头给出的数值并列。</translation>
    </message>
    <message>
        <source>Hour count&amp;s</source>
        <translation>小时计数(&amp;S)</translation>
    </message>
    <message>
        <source>Desi&amp;gn conditions (all hours)</source>
        <translation>设计工况（全部小时）(&amp;G)</translation>
    </message>
    <message>
        <source>Weather file</source>
        <translation>气象文件</translation>
    </message>
    <message>
        <source>Chart pressure</source>
        <translation>图表压力</translation>
    </message>
    <message>
        <source>Weather file message</source>
        <translation>气象文件消息</translation>
    </message>
    <message>
        <source>Rows skipped</source>
        <translation>跳过的行</translation>
    </message>
    <message>
        <source>Hours shown as</source>
        <translation>小时显示方式</translation>
    </message>
    <message>
        <source>Density shading colours each cell of the chart by the hours in it; dots mark every hour in the colour of its month.</source>
        <translation>密度着色按每格内的小时数为图表着色；点以所属月份的颜色标出每个小时。</translation>
    </message>
    <message>
        <source>First hour of the day counted</source>
        <translation>计入的第一个小时</translation>
    </message>
    <message>
        <source>Last hour of the day counted</source>
        <translation>计入的最后一个小时</translation>
    </message>
    <message>
        <source>Hours that start from this hour to the last hour, inclusive, are drawn and counted; a range past midnight counts the night.</source>
        <translation>从此小时起至最后一个小时（含）开始的小时将被绘制和计数；跨越午夜的范围计入夜间。</translation>
    </message>
    <message>
        <source>Show the thermal comfort zone</source>
        <translation>显示热舒适区</translation>
    </message>
    <message>
        <source>Air in which the predicted mean vote of ISO 7730 lies within plus or minus 0.5 at 1.1 met and 0.1 m/s, humidity ratio at most 0.012.</source>
        <translation>按 ISO 7730，在 1.1 met 和 0.1 m/s 下预计平均热感觉指数在正负 0.5 以内、含湿量不超过 0.012 的空气。</translation>
    </message>
    <message>
        <source>Clothing of the comfort zone</source>
        <translation>舒适区的服装热阻</translation>
    </message>
    <message>
        <source>Show the data-room envelope</source>
        <translation>显示数据机房包络线</translation>
    </message>
    <message>
        <source>The recommended envelope for data-processing rooms: 18 to 27 °C, dew point -9 to 15 °C, at most 60 % relative humidity.</source>
        <translation>数据处理机房的推荐包络线：18 至 27 °C，露点 -9 至 15 °C，相对湿度不超过 60 %。</translation>
    </message>
    <message>
        <source>Show the user zone</source>
        <translation>显示用户区域</translation>
    </message>
    <message>
        <source>A zone of the limits below; a limit left empty does not apply.</source>
        <translation>由下列限值构成的区域；留空的限值不适用。</translation>
    </message>
    <message>
        <source>User zone problem</source>
        <translation>用户区域问题</translation>
    </message>
    <message>
        <source>Dry bulb limit</source>
        <translation>干球温度限值</translation>
    </message>
    <message>
        <source>Dew point limit</source>
        <translation>露点限值</translation>
    </message>
    <message>
        <source>Humidity ratio limit</source>
        <translation>含湿量限值</translation>
    </message>
    <message>
        <source>The hour counts give the hours above and below this value.</source>
        <translation>小时计数给出高于和低于此值的小时数。</translation>
    </message>
    <message>
        <source>Dry bulb min (%1)</source>
        <translation>干球温度下限 (%1)</translation>
    </message>
    <message>
        <source>Dry bulb max (%1)</source>
        <translation>干球温度上限 (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio min (%1)</source>
        <translation>含湿量下限 (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio max (%1)</source>
        <translation>含湿量上限 (%1)</translation>
    </message>
    <message>
        <source>RH max (%)</source>
        <translation>相对湿度上限 (%)</translation>
    </message>
    <message>
        <source>Dew point min (%1)</source>
        <translation>露点下限 (%1)</translation>
    </message>
    <message>
        <source>Dew point max (%1)</source>
        <translation>露点上限 (%1)</translation>
    </message>
    <message>
        <source>User zone %1</source>
        <translation>用户区域 %1</translation>
    </message>
    <message>
        <source>Dr&amp;y bulb (%1)</source>
        <translation>干球温度 (%1)(&amp;Y)</translation>
    </message>
    <message>
        <source>Dew &amp;point (%1)</source>
        <translation>露点 (%1)(&amp;P)</translation>
    </message>
    <message>
        <source>Humidity &amp;ratio (%1)</source>
        <translation>含湿量 (%1)(&amp;R)</translation>
    </message>
    <message>
        <source>Not a number: %1.</source>
        <translation>不是数字：%1。</translation>
    </message>
    <message>
        <source>comfort zone (summer, 0.5 clo)</source>
        <translation>舒适区（夏季，0.5 clo）</translation>
    </message>
    <message>
        <source>comfort zone (winter, 1.0 clo)</source>
        <translation>舒适区（冬季，1.0 clo）</translation>
    </message>
    <message>
        <source>data-room envelope</source>
        <translation>数据机房包络线</translation>
    </message>
    <message>
        <source>user zone</source>
        <translation>用户区域</translation>
    </message>
    <message>
        <source>Chart at %1 (site elevation %2 m)</source>
        <translation>图表压力 %1（站点海拔 %2 m）</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19,812 m).</source>
        <translation>图表压力 %1，即文件各小时压力的中位数：站点海拔超出海拔多项式的范围（-609.6 m 至 19,812 m）。</translation>
    </message>
    <message>
        <source>Chart at %1, %2: the file gives no elevation and no pressure, so its hours are taken at %2.</source>
        <translation>图表压力 %1，%2：文件既未给出海拔也未给出压力，因此其各小时按 %2 计。</translation>
    </message>
    <message>
        <source>Chart at %1, the median pressure of the file&apos;s hours: the file gives no elevation.</source>
        <translation>图表压力 %1，即文件各小时压力的中位数：文件未给出海拔。</translation>
    </message>
    <message>
        <source>1 hour skipped: %1</source>
        <translation>跳过 1 小时：%1</translation>
    </message>
    <message>
        <source>%1 hours skipped: %2</source>
        <translation>跳过 %1 小时：%2</translation>
    </message>
    <message>
        <source>The file has %1 data rows; a year has %2.</source>
        <translation>文件有 %1 行数据；一年有 %2 小时。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>站点：%1</translation>
    </message>
    <message>
        <source>%1 hours read</source>
        <translation>已读取 %1 小时</translation>
    </message>
    <message>
        <source>No weather file. File &gt; Open Weather File... reads an EPW file or a CSV file of hourly weather.</source>
        <translation>无气象文件。文件 &gt; 打开气象文件... 可读取 EPW 文件或逐时气象 CSV 文件。</translation>
    </message>
</context>
<context>
    <name>chart::WeatherStatistics</name>
    <message>
        <source>Statistic</source>
        <translation>统计项</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时数</translation>
    </message>
    <message>
        <source>Share of filtered hours (%)</source>
        <translation>占筛选小时的比例 (%)</translation>
    </message>
    <message>
        <source>Hours read</source>
        <translation>已读取小时数</translation>
    </message>
    <message>
        <source>Hours in the filter</source>
        <translation>筛选内小时数</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>在%1内</translation>
    </message>
    <message>
        <source>Dry bulb</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>Humidity ratio</source>
        <translation>含湿量</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 高于 %2</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 低于 %2</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>工况</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>From the hours</source>
        <translation>由逐时数据计算</translation>
    </message>
    <message>
        <source>From the file header</source>
        <translation>取自文件头</translation>
    </message>
    <message>
        <source>Dry bulb (%1)</source>
        <translation>干球温度 (%1)</translation>
    </message>
    <message>
        <source>Heating 99.6 %</source>
        <translation>供暖 99.6 %</translation>
    </message>
    <message>
        <source>Heating 99 %</source>
        <translation>供暖 99 %</translation>
    </message>
    <message>
        <source>Cooling %1 %</source>
        <translation>供冷 %1 %</translation>
    </message>
    <message>
        <source>Mean coincident wet bulb (%1)</source>
        <translation>平均同时湿球温度 (%1)</translation>
    </message>
    <message>
        <source>Dew point 0.4 %</source>
        <translation>露点 0.4 %</translation>
    </message>
    <message>
        <source>Dew point (%1)</source>
        <translation>露点 (%1)</translation>
    </message>
    <message>
        <source>Humidity ratio (%1)</source>
        <translation>含湿量 (%1)</translation>
    </message>
    <message>
        <source>Mean coincident dry bulb (%1)</source>
        <translation>平均同时干球温度 (%1)</translation>
    </message>
</context>
<context>
    <name>chart::ZonesView</name>
    <message>
        <source>Dry bulb min</source>
        <translation>干球温度下限</translation>
    </message>
    <message>
        <source>Dry bulb max</source>
        <translation>干球温度上限</translation>
    </message>
    <message>
        <source>Humidity ratio min</source>
        <translation>含湿量下限</translation>
    </message>
    <message>
        <source>Humidity ratio max</source>
        <translation>含湿量上限</translation>
    </message>
    <message>
        <source>RH min</source>
        <translation>相对湿度下限</translation>
    </message>
    <message>
        <source>RH max</source>
        <translation>相对湿度上限</translation>
    </message>
    <message>
        <source>Dew point min</source>
        <translation>露点下限</translation>
    </message>
    <message>
        <source>Dew point max</source>
        <translation>露点上限</translation>
    </message>
    <message>
        <source>&amp;Thermal comfort zone (|PMV| ≤ 0.5)</source>
        <translation>热舒适区(&amp;T) (|PMV| ≤ 0.5)</translation>
    </message>
    <message>
        <source>Thermal comfort zone</source>
        <translation>热舒适区</translation>
    </message>
    <message>
        <source>Metabolic rate, met</source>
        <translation>代谢率，met</translation>
    </message>
    <message>
        <source>Clothing insulation, clo</source>
        <translation>服装热阻，clo</translation>
    </message>
    <message>
        <source>Air speed, m/s</source>
        <translation>风速，m/s</translation>
    </message>
    <message>
        <source>&amp;Metabolic rate:</source>
        <translation>代谢率(&amp;M)：</translation>
    </message>
    <message>
        <source>C&amp;lothing:</source>
        <translation>服装(&amp;L)：</translation>
    </message>
    <message>
        <source>Air s&amp;peed:</source>
        <translation>风速(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Summer (0.5 clo)</source>
        <translation>夏季(&amp;S) (0.5 clo)</translation>
    </message>
    <message>
        <source>Summer comfort preset</source>
        <translation>夏季舒适预设</translation>
    </message>
    <message>
        <source>W&amp;inter (1.0 clo)</source>
        <translation>冬季(&amp;K) (1.0 clo)</translation>
    </message>
    <message>
        <source>Winter comfort preset</source>
        <translation>冬季舒适预设</translation>
    </message>
    <message>
        <source>&amp;Data-processing room envelope</source>
        <translation>数据机房包络区(&amp;D)</translation>
    </message>
    <message>
        <source>Data-processing room envelope</source>
        <translation>数据机房包络区</translation>
    </message>
    <message>
        <source>18–27 °C, dew point −9–15 °C, RH ≤ 60 %</source>
        <translation>18–27 °C，露点 −9–15 °C，相对湿度 ≤ 60 %</translation>
    </message>
    <message>
        <source>&amp;User zones:</source>
        <translation>用户区域(&amp;U)：</translation>
    </message>
    <message>
        <source>User zones</source>
        <translation>用户区域</translation>
    </message>
    <message>
        <source>One row per zone: its name, its limits, an empty cell for none, and whether it is shown.</source>
        <translation>每个区域一行：名称、限值（空单元格表示无限值）以及是否显示。</translation>
    </message>
    <message>
        <source>&amp;Add zone</source>
        <translation>添加区域(&amp;A)</translation>
    </message>
    <message>
        <source>Add zone</source>
        <translation>添加区域</translation>
    </message>
    <message>
        <source>&amp;Remove zone</source>
        <translation>删除区域(&amp;R)</translation>
    </message>
    <message>
        <source>Remove zone</source>
        <translation>删除区域</translation>
    </message>
    <message>
        <source>Zones message</source>
        <translation>区域信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>“%1”不是数字。</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>区域 %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>About Vaporwright</source>
        <translation>关于 Vaporwright</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>当前无法获取系统信息</translation>
    </message>
</context>
<context>
    <name>frmDisclaimer</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Vaporwright:  D I S C L A I M E R</source>
        <translation>Vaporwright：  免 责 声 明</translation>
    </message>
    <message>
        <source>Error:  Vaporwright</source>
        <translation>错误：  Vaporwright</translation>
    </message>
    <message>
        <source>The file DISCLAIMER.TXT could not be located.
Please re-install Vaporwright.</source>
        <translation>找不到文件 DISCLAIMER.TXT。
请重新安装 Vaporwright。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Dry Bulb Temperature</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>Temperature of the air as an ordinary thermometer reads it.</source>
        <translation>普通温度计测得的空气温度。</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature</source>
        <translation>湿球温度</translation>
    </message>
    <message>
        <source>Temperature a wetted thermometer reaches as water evaporates from it into the air.</source>
        <translation>湿润温度计在其表面水分向空气蒸发时所达到的温度。</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>相对湿度</translation>
    </message>
    <message>
        <source>Vapor pressure as a share of the saturation vapor pressure at the dry bulb temperature.</source>
        <translation>水蒸气分压力与干球温度下饱和水蒸气压力之比。</translation>
    </message>
    <message>
        <source>Humidity Ratio</source>
        <translation>含湿量</translation>
    </message>
    <message>
        <source>Mass of water vapor per mass of dry air.</source>
        <translation>单位质量干空气所含水蒸气的质量。</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>焓</translation>
    </message>
    <message>
        <source>Heat content of the moist air per mass of dry air.</source>
        <translation>以单位质量干空气计的湿空气热量。</translation>
    </message>
    <message>
        <source>Dew Point Temperature</source>
        <translation>露点温度</translation>
    </message>
    <message>
        <source>Temperature at which the air becomes saturated when cooled at constant moisture.</source>
        <translation>空气在含湿量不变的条件下冷却至饱和时的温度。</translation>
    </message>
    <message>
        <source>Vapor Pressure</source>
        <translation>水蒸气分压力</translation>
    </message>
    <message>
        <source>Partial pressure of the water vapor in the air.</source>
        <translation>空气中水蒸气的分压力。</translation>
    </message>
    <message>
        <source>Degree of Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Humidity ratio as a share of the humidity ratio of saturated air at the same temperature.</source>
        <translation>含湿量与同温度下饱和空气含湿量之比。</translation>
    </message>
    <message>
        <source>Specific Volume</source>
        <translation>比容</translation>
    </message>
    <message>
        <source>Volume of moist air per mass of dry air.</source>
        <translation>以单位质量干空气计的湿空气体积。</translation>
    </message>
    <message>
        <source>Moist Air Density</source>
        <translation>湿空气密度</translation>
    </message>
    <message>
        <source>Mass of moist air per volume.</source>
        <translation>单位体积湿空气的质量。</translation>
    </message>
    <message>
        <source>Absolute Humidity</source>
        <translation>绝对湿度</translation>
    </message>
    <message>
        <source>Mass of water vapor per volume of moist air.</source>
        <translation>单位体积湿空气所含水蒸气的质量。</translation>
    </message>
    <message>
        <source>Atmospheric Pressure</source>
        <translation>大气压力</translation>
    </message>
    <message>
        <source>Local atmospheric pressure.</source>
        <translation>当地大气压力。</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>海拔</translation>
    </message>
    <message>
        <source>Local elevation above sea level.</source>
        <translation>当地海拔高度。</translation>
    </message>
    <message>
        <source>Moisture Concentration</source>
        <translation>水分浓度</translation>
    </message>
    <message>
        <source>Water vapor content of the air in parts per million.</source>
        <translation>空气中的水蒸气含量，以百万分比计。</translation>
    </message>
    <message>
        <source>Input: typed when its check box is ticked, otherwise computed from the two ticked inputs.</source>
        <translation>输入：勾选其复选框时可输入，否则由两个勾选的输入计算得出。</translation>
    </message>
    <message>
        <source>Result, computed from the two ticked inputs.</source>
        <translation>结果，由两个勾选的输入计算得出。</translation>
    </message>
    <message>
        <source>Pressure entry: typed when its option button is selected, otherwise computed from the other pressure entry.</source>
        <translation>压力输入：选中其单选按钮时可输入，否则由另一压力输入计算得出。</translation>
    </message>
    <message>
        <source>Computes the properties of moist air from two inputs at a given atmospheric pressure or altitude. Tab moves through the entries and buttons; the Up and Down arrows move from field to field, results included; Ctrl+Plus and Ctrl+Minus show more or fewer decimal places in the field that has the focus.</source>
        <translation>在给定大气压力或海拔下，由两个输入计算湿空气的各项参数。Tab 键在输入框和按钮之间移动；上下方向键在各字段之间移动，包括结果字段；Ctrl+加号和 Ctrl+减号在有焦点的字段中显示更多或更少的小数位。</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>%1单位</translation>
    </message>
    <message>
        <source>%1. Ticked, the %2 field takes a typed value.</source>
        <translation>%1。勾选后，%2字段接受输入的数值。</translation>
    </message>
    <message>
        <source>Enter the local atmospheric pressure directly; the altitude follows from it.</source>
        <translation>直接输入当地大气压力；海拔由其得出。</translation>
    </message>
    <message>
        <source>Enter the local elevation; the atmospheric pressure follows from it.</source>
        <translation>输入当地海拔；大气压力由其得出。</translation>
    </message>
    <message>
        <source>Shows every field in inch-pound units.</source>
        <translation>以英制单位显示所有字段。</translation>
    </message>
    <message>
        <source>Shows every field in metric (SI) units.</source>
        <translation>以公制（SI）单位显示所有字段。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clears the inputs and the results.</source>
        <translation>清除输入和结果。</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Computes every property from the two ticked inputs.</source>
        <translation>由两个勾选的输入计算所有参数。</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Hides the calculator window; the tray icon brings it back.</source>
        <translation>隐藏计算器窗口；托盘图标可将其恢复。</translation>
    </message>
    <message>
        <source>More Digits</source>
        <translation>增加小数位</translation>
    </message>
    <message>
        <source>Shows one more decimal place in the field last left.</source>
        <translation>在最后离开的字段中多显示一位小数。</translation>
    </message>
    <message>
        <source>Less Digits</source>
        <translation>减少小数位</translation>
    </message>
    <message>
        <source>Shows one decimal place less in the field last left.</source>
        <translation>在最后离开的字段中少显示一位小数。</translation>
    </message>
    <message>
        <source>Vaporwright on the web</source>
        <translation>Vaporwright 网站</translation>
    </message>
    <message>
        <source>Website link: opens the maker&apos;s website in the browser. Space opens it.</source>
        <translation>网站链接：在浏览器中打开制作者的网站。按空格键打开。</translation>
    </message>
    <message>
        <source>Unit System and Digits</source>
        <translation>单位制与小数位</translation>
    </message>
    <message>
        <source>Chooses the unit system and the number of decimal places shown.</source>
        <translation>选择单位制和显示的小数位数。</translation>
    </message>
    <message>
        <source>The local pressure, given directly or through the altitude.</source>
        <translation>当地压力，直接给出或由海拔得出。</translation>
    </message>
    <message>
        <source>Select Input and Compute Results</source>
        <translation>选择输入并计算结果</translation>
    </message>
    <message>
        <source>Tick two inputs, type their values, and every other property is computed.</source>
        <translation>勾选两个输入并输入其数值，即可计算其余所有参数。</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Why the results are empty, when they are; read out as it changes.</source>
        <translation>结果为空时说明原因；内容变化时会朗读。</translation>
    </message>
    <message>
        <source>In percent.</source>
        <translation>以百分比表示。</translation>
    </message>
    <message>
        <source>The unit is chosen in the list beside it.</source>
        <translation>单位在旁边的列表中选择。</translation>
    </message>
    <message>
        <source>In %1; the unit is chosen in the list beside it.</source>
        <translation>单位为 %1；单位在旁边的列表中选择。</translation>
    </message>
    <message>
        <source>Unit of the %1 field, now %2; choosing another unit shows the value converted to it.</source>
        <translation>%1字段的单位，当前为 %2；选择其他单位会显示换算后的数值。</translation>
    </message>
    <message>
        <source>Unit of the %1 field; choosing another unit shows the value converted to it.</source>
        <translation>%1字段的单位；选择其他单位会显示换算后的数值。</translation>
    </message>
    <message>
        <source>Psychrometric Calculations:  ASHRAE Formulation</source>
        <translation>焓湿计算：  ASHRAE 公式</translation>
    </message>
    <message>
        <source>Dew Point Temperature:</source>
        <translation>露点温度：</translation>
    </message>
    <message>
        <source>Vapor Pressure:</source>
        <translation>水蒸气分压力：</translation>
    </message>
    <message>
        <source>Degree of Saturation:</source>
        <translation>饱和度：</translation>
    </message>
    <message>
        <source>Specific Volume:</source>
        <translation>比容：</translation>
    </message>
    <message>
        <source>Moist Air Density:</source>
        <translation>湿空气密度：</translation>
    </message>
    <message>
        <source>Absolute Humidity:</source>
        <translation>绝对湿度：</translation>
    </message>
    <message>
        <source>Moisture Concentration:</source>
        <translation>水分浓度：</translation>
    </message>
    <message>
        <source>Dry Bulb Temperature:</source>
        <translation>干球温度：</translation>
    </message>
    <message>
        <source>Wet Bulb Temperature:</source>
        <translation>湿球温度：</translation>
    </message>
    <message>
        <source>Relative Humidity:</source>
        <translation>相对湿度：</translation>
    </message>
    <message>
        <source>Humidity Ratio:</source>
        <translation>含湿量：</translation>
    </message>
    <message>
        <source>Enthalpy:</source>
        <translation>焓：</translation>
    </message>
    <message>
        <source>&amp;IP Engineering Units</source>
        <translation>英制单位(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;SI Engineering Units</source>
        <translation>国际单位(&amp;S)</translation>
    </message>
    <message>
        <source>Imperial Units of Measurement</source>
        <translation>英制计量单位</translation>
    </message>
    <message>
        <source>Systema International Units of Meaurement</source>
        <translation>国际单位制计量单位</translation>
    </message>
    <message>
        <source>Display More Digits</source>
        <translation>显示更多小数位</translation>
    </message>
    <message>
        <source>Display Less Digits</source>
        <translation>显示更少小数位</translation>
    </message>
    <message>
        <source>&amp;Atmospheric Pressure:</source>
        <translation>大气压力(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>海拔(&amp;L)：</translation>
    </message>
    <message>
        <source>Select to Directly enter the Local Atmospheric Pressure</source>
        <translation>选择此项以直接输入当地大气压力</translation>
    </message>
    <message>
        <source>Select to enter the Local Elevation to Compute Atmospheric  Pressure</source>
        <translation>选择此项以输入当地海拔并据此计算大气压力</translation>
    </message>
    <message>
        <source>Select 2 of the 5 Inputs to Compute Properties</source>
        <translation>从 5 个输入中选择 2 个以计算参数</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>清除(&amp;R)</translation>
    </message>
    <message>
        <source>Clear the Input and Calculations</source>
        <translation>清除输入和计算结果</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>Compute Properties</source>
        <translation>计算参数</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隐藏(&amp;D)</translation>
    </message>
    <message>
        <source>Website Link</source>
        <translation>网站链接</translation>
    </message>
    <message>
        <source>Visit our website for updates, help and other engineering tools.</source>
        <translation>访问我们的网站，获取更新、帮助和其他工程工具。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Keep Calculator on Top</source>
        <translation>计算器总在最前(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;View Disclaimer</source>
        <translation>查看免责声明(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Psychrometric &amp;Chart</source>
        <translation>焓湿图(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>搜索帮助(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于 Vaporwright(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Open Vaporwright</source>
        <translation>打开 Vaporwright(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
</context>
<context>
    <name>frmReadDisclaimer</name>
    <message>
        <source>&amp;Read the Disclaimer</source>
        <translation>阅读免责声明(&amp;R)</translation>
    </message>
    <message>
        <source>I have read the Disclaimer and I:</source>
        <translation>我已阅读免责声明，并且：</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>不同意(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>同意(&amp;A)</translation>
    </message>
    <message>
        <source>Don&apos;t display at start-up</source>
        <translation>启动时不再显示</translation>
    </message>
    <message>
        <source>Vaporwright:  READ THE DISCLAIMER</source>
        <translation>Vaporwright：  请阅读免责声明</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The language of the interface for this run: %1, or System for the system&apos;s. View &gt; Language chooses it for every run.</source>
        <translation>本次运行的界面语言：%1，或 System 表示使用系统语言。“视图 &gt; 语言”可为每次运行选择语言。</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot; for --lang; choose one of %2, or System.</source>
        <translation>--lang 的语言“%1”未知；请从 %2 或 System 中选择。</translation>
    </message>
    <message>
        <source>A calculator of the properties of moist air, with a psychrometric chart.</source>
        <translation>湿空气参数计算器，附焓湿图。</translation>
    </message>
    <message>
        <source>A project file (.vwproj) to open in the chart window.</source>
        <translation>要在焓湿图窗口中打开的项目文件（.vwproj）。</translation>
    </message>
    <message>
        <source>project</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>[project]</source>
        <translation>[项目]</translation>
    </message>
</context>
<context>
    <name>processes::Problem</name>
    <message>
        <source>The dry bulb lies outside -148 °F to 400 °F (-100 °C to 204.4 °C).</source>
        <translation>干球温度超出 -148 °F 至 400 °F（-100 °C 至 204.4 °C）。</translation>
    </message>
    <message>
        <source>The humidity ratio is below zero.</source>
        <translation>含湿量小于零。</translation>
    </message>
    <message>
        <source>The point holds more water than saturated air: it is fog, not air.</source>
        <translation>该点含水量超过饱和空气：这是雾，不是空气。</translation>
    </message>
    <message>
        <source>The atmospheric pressure must be above zero and at most ten atmospheres.</source>
        <translation>大气压力必须大于零且不超过十个大气压。</translation>
    </message>
    <message>
        <source>The two points are the same air.</source>
        <translation>两个点是同一空气状态。</translation>
    </message>
    <message>
        <source>The two points are at different atmospheric pressures.</source>
        <translation>两个点处于不同的大气压力。</translation>
    </message>
    <message>
        <source>The airflow must be greater than zero.</source>
        <translation>风量必须大于零。</translation>
    </message>
    <message>
        <source>The process line does not meet the saturation curve below the leaving air.</source>
        <translation>过程线在出口空气以下不与饱和线相交。</translation>
    </message>
    <message>
        <source>The apparatus dew point must lie below the entering air&apos;s dry bulb and no higher than its dew point.</source>
        <translation>机器露点必须低于进口空气干球温度，且不高于其露点。</translation>
    </message>
    <message>
        <source>The bypass factor must be at least 0 and less than 1.</source>
        <translation>旁通系数必须不小于 0 且小于 1。</translation>
    </message>
    <message>
        <source>The line from the entering air to the apparatus dew point passes through fog: the apparatus dew point is too low for this air.</source>
        <translation>从进口空气到机器露点的连线穿过雾区：机器露点对该空气而言过低。</translation>
    </message>
    <message>
        <source>The PMV model takes 0.8 to 4 met, 0 to 2 clo and an air speed of 0 to 1 m/s.</source>
        <translation>PMV 模型适用于 0.8 至 4 met、0 至 2 clo 及 0 至 1 m/s 的风速。</translation>
    </message>
    <message>
        <source>The PMV model applies only from 50 °F to 86 °F (10 °C to 30 °C) with a vapour pressure of at most 2.7 kPa.</source>
        <translation>PMV 模型仅适用于 50 °F 至 86 °F（10 °C 至 30 °C）且水蒸气分压力不超过 2.7 kPa 的情况。</translation>
    </message>
    <message>
        <source>The zone has no limits.</source>
        <translation>该区域没有限值。</translation>
    </message>
    <message>
        <source>A lower limit of the zone lies above its upper limit, or outside the range of real air.</source>
        <translation>区域的某个下限高于其上限，或超出真实空气的范围。</translation>
    </message>
    <message>
        <source>The air cannot be calculated.</source>
        <translation>无法计算该空气。</translation>
    </message>
</context>
<context>
    <name>processes::Process</name>
    <message>
        <source>Sensible heating</source>
        <translation>显热加热</translation>
    </message>
    <message>
        <source>Sensible cooling</source>
        <translation>显热冷却</translation>
    </message>
    <message>
        <source>Cooling and dehumidifying</source>
        <translation>冷却除湿</translation>
    </message>
    <message>
        <source>Dehumidifying</source>
        <translation>除湿</translation>
    </message>
    <message>
        <source>Heating and dehumidifying</source>
        <translation>加热除湿</translation>
    </message>
    <message>
        <source>Desiccant (adiabatic) dehumidifying</source>
        <translation>转轮（绝热）除湿</translation>
    </message>
    <message>
        <source>Evaporative (adiabatic) humidification</source>
        <translation>蒸发（绝热）加湿</translation>
    </message>
    <message>
        <source>Steam humidification</source>
        <translation>蒸汽加湿</translation>
    </message>
    <message>
        <source>Heating and humidifying</source>
        <translation>加热加湿</translation>
    </message>
    <message>
        <source>Cooling and humidifying</source>
        <translation>冷却加湿</translation>
    </message>
</context>
<context>
    <name>project::Definition</name>
    <message>
        <source>dry bulb</source>
        <translation>干球温度</translation>
    </message>
    <message>
        <source>The dry bulb is not a number.</source>
        <translation>干球温度不是数字。</translation>
    </message>
    <message>
        <source>wet bulb</source>
        <translation>湿球温度</translation>
    </message>
    <message>
        <source>The wet bulb is not a number.</source>
        <translation>湿球温度不是数字。</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>相对湿度</translation>
    </message>
    <message>
        <source>The relative humidity is not a number.</source>
        <translation>相对湿度不是数字。</translation>
    </message>
    <message>
        <source>humidity ratio</source>
        <translation>含湿量</translation>
    </message>
    <message>
        <source>The humidity ratio is not a number.</source>
        <translation>含湿量不是数字。</translation>
    </message>
    <message>
        <source>enthalpy</source>
        <translation>焓</translation>
    </message>
    <message>
        <source>The enthalpy is not a number.</source>
        <translation>焓不是数字。</translation>
    </message>
    <message>
        <source>dew point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>The dew point is not a number.</source>
        <translation>露点不是数字。</translation>
    </message>
    <message>
        <source>A point needs two different properties; %1 is given twice.</source>
        <translation>一个状态点需要两个不同的参数；%1 给出了两次。</translation>
    </message>
    <message>
        <source>Dew point and humidity ratio both fix the water in the air at a given pressure; pair either with another property.</source>
        <translation>在给定压力下，露点和含湿量都确定空气中的水分；请将其中之一与另一个参数配对。</translation>
    </message>
</context>
<context>
    <name>project::Edits</name>
    <message>
        <source>Point %1 is not air: %2</source>
        <translation>状态点 %1 不是真实空气：%2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>没有这个状态点。</translation>
    </message>
    <message>
        <source>The calculator&apos;s state names no unit system.</source>
        <translation>计算器的状态没有指明单位制。</translation>
    </message>
    <message>
        <source>Perfectly dry air has no dew point to define a point by.</source>
        <translation>完全干燥的空气没有露点，无法用来确定状态点。</translation>
    </message>
    <message>
        <source>The calculator&apos;s state cannot be taken over.</source>
        <translation>无法采用计算器的状态。</translation>
    </message>
    <message>
        <source>Point %1 has no airflow to mix.</source>
        <translation>状态点 %1 没有可供混合的风量。</translation>
    </message>
</context>
<context>
    <name>project::Project</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>There is no such point.</source>
        <translation>该点不存在。</translation>
    </message>
    <message>
        <source>Rename point %1 to %2</source>
        <translation>将点 %1 重命名为 %2</translation>
    </message>
    <message>
        <source>Edit point %1</source>
        <translation>编辑点 %1</translation>
    </message>
    <message>
        <source>Move point %1</source>
        <translation>移动点 %1</translation>
    </message>
    <message>
        <source>Airflow of point %1</source>
        <translation>点 %1 的风量</translation>
    </message>
    <message>
        <source>Add coil to point %1</source>
        <translation>在点 %1 添加盘管</translation>
    </message>
    <message>
        <source>Mix %1 and %2</source>
        <translation>混合 %1 与 %2</translation>
    </message>
    <message>
        <source>The project has no air handler.</source>
        <translation>项目中没有空调机组。</translation>
    </message>
    <message>
        <source>Add point %1</source>
        <translation>添加点 %1</translation>
    </message>
    <message>
        <source>Delete point %1</source>
        <translation>删除点 %1</translation>
    </message>
    <message>
        <source>Add process</source>
        <translation>添加过程</translation>
    </message>
    <message>
        <source>Delete process</source>
        <translation>删除过程</translation>
    </message>
    <message>
        <source>Add mixture</source>
        <translation>添加混合</translation>
    </message>
    <message>
        <source>Delete mixture</source>
        <translation>删除混合</translation>
    </message>
    <message>
        <source>Change zones</source>
        <translation>更改区域</translation>
    </message>
    <message>
        <source>Change pressure or units</source>
        <translation>更改压力或单位</translation>
    </message>
    <message>
        <source>Change air handler</source>
        <translation>更改空调机组</translation>
    </message>
</context>
<context>
    <name>project::ProjectData</name>
    <message>
        <source>A point needs a name.</source>
        <translation>状态点需要一个名称。</translation>
    </message>
    <message>
        <source>A point&apos;s name can be at most %1 characters long.</source>
        <translation>状态点的名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A point&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>状态点的名称不能包含换行符、制表符或其他控制字符。</translation>
    </message>
    <message>
        <source>There is a point named %1 already.</source>
        <translation>已有名为 %1 的状态点。</translation>
    </message>
    <message>
        <source>%1 to %2 is a process already.</source>
        <translation>%1 到 %2 已经是一个过程。</translation>
    </message>
    <message>
        <source>Point %1 cannot be mixed from itself.</source>
        <translation>状态点 %1 不能由自身混合而成。</translation>
    </message>
    <message>
        <source>Point %1 is the mixture of two other points already.</source>
        <translation>状态点 %1 已经是另外两个状态点的混合。</translation>
    </message>
    <message>
        <source>Comfort zone: %1</source>
        <translation>舒适区：%1</translation>
    </message>
    <message>
        <source>A zone needs a name.</source>
        <translation>区域需要一个名称。</translation>
    </message>
    <message>
        <source>A zone&apos;s name can be at most %1 characters long.</source>
        <translation>区域的名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A zone&apos;s name cannot hold a line break, a tab or another control character.</source>
        <translation>区域的名称不能包含换行符、制表符或其他控制字符。</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>区域 %1：%2</translation>
    </message>
    <message>
        <source>The airflow is not a number.</source>
        <translation>风量不是数字。</translation>
    </message>
</context>
<context>
    <name>project::ProjectFile</name>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>项目文件已损坏：%1</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>项目文件已损坏：%1。</translation>
    </message>
    <message>
        <source>This project was saved by a newer version of Vaporwright (file version %1); this version reads version %2.</source>
        <translation>此项目由更新版本的 Vaporwright 保存（文件版本 %1）；本版本读取版本 %2。</translation>
    </message>
    <message>
        <source>The project file&apos;s version is not one Vaporwright reads; this version reads version %1.</source>
        <translation>项目文件的版本不是 Vaporwright 能读取的版本；本版本读取版本 %1。</translation>
    </message>
    <message>
        <source>This is not a project file: %1.</source>
        <translation>这不是项目文件：%1。</translation>
    </message>
    <message>
        <source>This is not a Vaporwright project file.</source>
        <translation>这不是 Vaporwright 项目文件。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is too large to be a project file.</source>
        <translation>%1 太大，不可能是项目文件。</translation>
    </message>
</context>
<context>
    <name>weather::Columns</name>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3).</source>
        <translation>列“%1”：%2 没有这个单位（单位：%3）。</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: no such unit of %2 (units: %3)</source>
        <translation>列“%1”：%2 没有这个单位（单位：%3）</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4.</source>
        <translation>列“%1”未给出单位；请用 %2 的单位之一命名（%3），例如 %2_%4。</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; gives no unit; name it with one of the units of %2 (%3), such as %2_%4</source>
        <translation>列“%1”未给出单位；请用 %2 的单位之一命名（%3），例如 %2_%4</translation>
    </message>
</context>
<context>
    <name>weather::Report</name>
    <message>
        <source>line longer than 16 MiB</source>
        <translation>行长度超过 16 MiB</translation>
    </message>
    <message>
        <source>wrong number of fields</source>
        <translation>字段数不对</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>某个值不是数字</translation>
    </message>
    <message>
        <source>no such date or hour</source>
        <translation>日期或小时不存在</translation>
    </message>
    <message>
        <source>leap day (29 February)</source>
        <translation>闰日（2 月 29 日）</translation>
    </message>
    <message>
        <source>hour already read</source>
        <translation>该小时已读取</translation>
    </message>
    <message>
        <source>missing dry bulb</source>
        <translation>缺少干球温度</translation>
    </message>
    <message>
        <source>dry bulb out of range</source>
        <translation>干球温度超出范围</translation>
    </message>
    <message>
        <source>missing station pressure</source>
        <translation>缺少站点气压</translation>
    </message>
    <message>
        <source>station pressure out of range</source>
        <translation>站点气压超出范围</translation>
    </message>
    <message>
        <source>missing dew point</source>
        <translation>缺少露点</translation>
    </message>
    <message>
        <source>dew point out of range</source>
        <translation>露点超出范围</translation>
    </message>
    <message>
        <source>missing relative humidity</source>
        <translation>缺少相对湿度</translation>
    </message>
    <message>
        <source>relative humidity out of range</source>
        <translation>相对湿度超出范围</translation>
    </message>
    <message>
        <source>missing wet bulb</source>
        <translation>缺少湿球温度</translation>
    </message>
    <message>
        <source>wet bulb out of range</source>
        <translation>湿球温度超出范围</translation>
    </message>
    <message>
        <source>missing humidity ratio</source>
        <translation>缺少含湿量</translation>
    </message>
    <message>
        <source>humidity ratio out of range</source>
        <translation>含湿量超出范围</translation>
    </message>
    <message>
        <source>humidity above saturation</source>
        <translation>湿度超过饱和</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>无法打开该文件。</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>没有这个文件。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is not a regular file but a pipe, a socket or a device.</source>
        <translation>这不是普通文件，而是管道、套接字或设备。</translation>
    </message>
    <message>
        <source>Permission to read the file is denied.</source>
        <translation>没有读取该文件的权限。</translation>
    </message>
    <message>
        <source>The file could not be read to its end.</source>
        <translation>无法将该文件读到末尾。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>该文件为空。</translation>
    </message>
    <message>
        <source>The file is not an EnergyPlus weather file: it does not begin with LOCATION.</source>
        <translation>该文件不是 EnergyPlus 气象文件：它不以 LOCATION 开头。</translation>
    </message>
    <message>
        <source>The file ends inside its header.</source>
        <translation>文件在文件头内结束。</translation>
    </message>
    <message>
        <source>A line of the file&apos;s header is longer than 16 MiB.</source>
        <translation>文件头中某一行超过 16 MiB。</translation>
    </message>
    <message>
        <source>The header has more than 16384 columns.</source>
        <translation>文件头超过 16384 列。</translation>
    </message>
    <message>
        <source>No column is named timestamp, time, date or datetime.</source>
        <translation>没有名为 timestamp、time、date 或 datetime 的列。</translation>
    </message>
    <message>
        <source>No dry bulb column with its unit, such as dry_bulb_C.</source>
        <translation>没有带单位的干球温度列，例如 dry_bulb_C。</translation>
    </message>
    <message>
        <source>No humidity column with its unit, such as relative_humidity_pct, dew_point_C, wet_bulb_C or humidity_ratio_g/kg.</source>
        <translation>没有带单位的湿度列，例如 relative_humidity_pct、dew_point_C、wet_bulb_C 或 humidity_ratio_g/kg。</translation>
    </message>
    <message>
        <source>More than one humidity column: keep one of relative humidity, dew point, wet bulb and humidity ratio.</source>
        <translation>湿度列不止一个：请在相对湿度、露点、湿球温度和含湿量中只保留一个。</translation>
    </message>
    <message>
        <source>More than one pressure or altitude column: keep one.</source>
        <translation>压力或海拔列不止一个：请只保留一个。</translation>
    </message>
    <message>
        <source>A column names a quantity without a unit the program reads, such as pressure_kPa or altitude_m.</source>
        <translation>某列给出的量没有程序可读的单位，例如 pressure_kPa 或 altitude_m。</translation>
    </message>
</context>
<context>
    <name>weather::Site</name>
    <message>
        <source>The site&apos;s elevation lies outside the range of the altitude polynomial (-609.6 m to 19812 m): the chart is drawn for the median station pressure of the file.</source>
        <translation>站点海拔超出海拔多项式的范围（-609.6 m 至 19812 m）：图表按文件站点气压的中位数绘制。</translation>
    </message>
    <message>
        <source>The file gives no elevation: the chart is drawn for the median station pressure of the file.</source>
        <translation>文件未给出海拔：图表按文件站点气压的中位数绘制。</translation>
    </message>
</context>
</TS>
