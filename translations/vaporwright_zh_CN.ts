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
        <source>Status</source>
        <translation>状态</translation>
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
</context>
</TS>
