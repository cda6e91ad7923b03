<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Dravo喷码编辑系统</source>
        <translation>Dravo Coder Editor</translation>
    </message>
    <message>
        <source>版本：%1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>制作：daviduv 开发组</source>
        <translation>Made by: the daviduv developers</translation>
    </message>
    <message>
        <source>联系：&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Contact: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>      %1；模板号：%2，长度：%3Pels，分辨率：%4</source>
        <translation>      %1; template %2, %3 dots, %4</translation>
    </message>
    <message>
        <source>      没有找到喷码仪；模板号：%1，长度：%2Pels，分辨率：%3</source>
        <translation>      No coder found; template %1, %2 dots, %3</translation>
    </message>
</context>
<context>
    <name>BarcodePanel</name>
    <message>
        <source>码值不能含有 GBK 无法表示的字符：%1</source>
        <translation>The code value cannot contain characters GBK cannot represent: %1</translation>
    </message>
    <message>
        <source>条形码属性</source>
        <translation>Barcode properties</translation>
    </message>
    <message>
        <source>0-0度</source>
        <translation>0-0°</translation>
    </message>
    <message>
        <source>0-90度</source>
        <translation>0-90°</translation>
    </message>
    <message>
        <source>0-180度</source>
        <translation>0-180°</translation>
    </message>
    <message>
        <source>0-270度</source>
        <translation>0-270°</translation>
    </message>
    <message>
        <source>显示码值</source>
        <translation>Show value</translation>
    </message>
    <message>
        <source>样式</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>码值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>高度缩放</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>BarcodeSendPrompt</name>
    <message>
        <source>条码在当前分辨率下无法识别，仍要发送吗？
</source>
        <translation>A barcode cannot be read at the current resolution. Send anyway?
</translation>
    </message>
    <message>
        <source>
%1（%2：%3）</source>
        <translation>
%1 (%2: %3)</translation>
    </message>
    <message>
        <source>条码校验</source>
        <translation>Barcode check</translation>
    </message>
</context>
<context>
    <name>CanvasEditor</name>
    <message>
        <source>放置</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>确定要删除该组件吗？</source>
        <translation>Delete this field?</translation>
    </message>
</context>
<context>
    <name>Code16File</name>
    <message>
        <source>无法写入文件“%1”：%2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CustomGlyphs</name>
    <message>
        <source>自定义字模过长：字模数据超过%1字节，无法发送。</source>
        <translation>Custom glyphs too long: the glyph data exceed %1 bytes and cannot be sent.</translation>
    </message>
</context>
<context>
    <name>DatePanel</name>
    <message>
        <source>时间、日期属性</source>
        <translation>Date and time properties</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
</context>
<context>
    <name>DesktopHabits</name>
    <message>
        <source>最近打开的文件</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>找不到文件 %1</source>
        <translation>File not found: %1</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EditMenus</name>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>视图</source>
        <translation>View</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual size</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>内部错误</source>
        <translation>Internal error</translation>
    </message>
</context>
<context>
    <name>FieldClipboard</name>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>FieldKind</name>
    <message>
        <source>条形码</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>图像</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>字符串</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>有效期</source>
        <translation>Expiry</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>班次</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>%1（X %2，Y %3）</source>
        <translation>%1 (X %2, Y %3)</translation>
    </message>
</context>
<context>
    <name>FieldPanel</name>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>FieldPicture</name>
    <message>
        <source>图片“%1”</source>
        <translation>Picture &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>FieldRender</name>
    <message>
        <source>%1太大，无法绘制：%2 × %3 点</source>
        <translation>%1 is too large to draw: %2 × %3 dots</translation>
    </message>
</context>
<context>
    <name>FieldSettings</name>
    <message>
        <source>字段位置 (%1, %2) 超出打印机可接收的范围</source>
        <translation>The field position (%1, %2) is outside what the printer accepts</translation>
    </message>
    <message>
        <source>日期格式代码 &apos;%1&apos; 无效：应为 A1 至 AA</source>
        <translation>Date style code &apos;%1&apos; is not valid: it must be A1 to AA</translation>
    </message>
</context>
<context>
    <name>FlashEraseDialog</name>
    <message>
        <source>擦除FLASH</source>
        <translation>Erase FLASH</translation>
    </message>
    <message>
        <source>选择预擦除段号</source>
        <translation>Segment to erase</translation>
    </message>
    <message>
        <source>%1段</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Erase</translation>
    </message>
</context>
<context>
    <name>GlyphDialog</name>
    <message>
        <source>字模</source>
        <translation>Glyphs</translation>
    </message>
    <message>
        <source>普通字模</source>
        <translation>Standard glyphs</translation>
    </message>
    <message>
        <source>自定义字模</source>
        <translation>Custom glyphs</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>单独发送</source>
        <translation>Send one</translation>
    </message>
    <message>
        <source>全部发送</source>
        <translation>Send all</translation>
    </message>
    <message>
        <source>请输入字模</source>
        <translation>Type the glyphs</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>字模值</source>
        <translation>Glyphs</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>GlyphPayloads</name>
    <message>
        <source>请选择分辨率。</source>
        <translation>Please choose a resolution.</translation>
    </message>
    <message>
        <source>分辨率“%1”不是有效的数值。</source>
        <translation>The resolution &quot;%1&quot; is not a valid number.</translation>
    </message>
</context>
<context>
    <name>GlyphSend</name>
    <message>
        <source>字模数据共%1字节，超过%2块（每块%3字节），无法发送。</source>
        <translation>The glyph data are %1 bytes, more than %2 blocks (of %3 bytes each), and cannot be sent.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>帮助主题</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ImagePanel</name>
    <message>
        <source>图片属性</source>
        <translation>Picture properties</translation>
    </message>
    <message>
        <source>载入游走字幕文件</source>
        <translation>Load a picture file</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
</context>
<context>
    <name>KeptValue</name>
    <message>
        <source>%1必须在 %2 到 %3 之间</source>
        <translation>%1 must be between %2 and %3</translation>
    </message>
    <message>
        <source>%1不能超过 %2 个字符</source>
        <translation>%1 cannot be longer than %2 characters</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinese (Simplified)</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>更改将在下次启动程序时生效。</source>
        <translation>The change takes effect the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>正在%1，请稍候......</source>
        <translation>%1, please wait......</translation>
    </message>
    <message>
        <source>%1失败，请检查线路或重新尝试！</source>
        <translation>%1 failed; check the line!</translation>
    </message>
    <message>
        <source>%1成功！</source>
        <translation>%1 succeeded!</translation>
    </message>
    <message>
        <source>发送背景数据信息</source>
        <translation>Sending background</translation>
    </message>
    <message>
        <source>发送日期、时间设置信息</source>
        <translation>Sending date settings</translation>
    </message>
    <message>
        <source>发送有效期限设置信息</source>
        <translation>Sending expiry settings</translation>
    </message>
    <message>
        <source>发送序号设置信息</source>
        <translation>Sending serial settings</translation>
    </message>
    <message>
        <source>发送班次设置信息</source>
        <translation>Sending shift settings</translation>
    </message>
    <message>
        <source>校正时钟</source>
        <translation>Setting the clock</translation>
    </message>
    <message>
        <source>查找已连接喷码仪</source>
        <translation>Searching for the coder</translation>
    </message>
    <message>
        <source>擦除指定Flash</source>
        <translation>Erasing Flash</translation>
    </message>
    <message>
        <source>正在擦除指定Flash信息，请稍候......</source>
        <translation>Erasing Flash, please wait......</translation>
    </message>
    <message>
        <source>发送字模数据信息</source>
        <translation>Sending glyph data</translation>
    </message>
    <message>
        <source>正在发送字模信息，请稍候......</source>
        <translation>Sending the glyphs, please wait......</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Dravo喷码编辑系统</source>
        <translation>Dravo Coder Editor</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>模板属性</source>
        <translation>Template attributes</translation>
    </message>
    <message>
        <source>通讯设置</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>画图</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>通讯</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>通讯测试</source>
        <translation>Link test</translation>
    </message>
    <message>
        <source>校正时间</source>
        <translation>Set clock</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>字模</source>
        <translation>Glyphs</translation>
    </message>
    <message>
        <source>设置字模</source>
        <translation>Set glyphs</translation>
    </message>
    <message>
        <source>擦除FLASH</source>
        <translation>Erase FLASH</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>帮助主题</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Send data</translation>
    </message>
    <message>
        <source>查找已连接喷码机</source>
        <translation>Search for a connected coder</translation>
    </message>
    <message>
        <source>无法写入恢复副本：%1</source>
        <translation>Cannot write the recovery copy: %1</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>你确定要退出系统吗? </source>
        <translation>Do you really want to exit? </translation>
    </message>
    <message>
        <source>置于顶层</source>
        <translation>Bring to front</translation>
    </message>
    <message>
        <source>置于底层</source>
        <translation>Send to back</translation>
    </message>
    <message>
        <source>没有找到画图程序</source>
        <translation>No paint program found</translation>
    </message>
    <message>
        <source>（试过 %1）</source>
        <translation> (tried %1)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>MessageRender</name>
    <message>
        <source>模板号 %1 超出范围 0..255</source>
        <translation>Template number %1 is outside 0..255</translation>
    </message>
    <message>
        <source>背景数据过长：%1 列需要 %2 个数据包，打印机最多接收 %3 个</source>
        <translation>Background too long: %1 columns need %2 packets, the printer takes at most %3</translation>
    </message>
</context>
<context>
    <name>PeriodPanel</name>
    <message>
        <source>有效期属性</source>
        <translation>Expiry properties</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>有效期</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
</context>
<context>
    <name>PictureBudget</name>
    <message>
        <source>模板过大：%1超出了一个模板的图片内存上限 %2 MB</source>
        <translation>Template too large: %1 goes past the picture memory limit of one template, %2 MB</translation>
    </message>
</context>
<context>
    <name>PrintArea</name>
    <message>
        <source>条码</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>%1（X %2，Y %3）</source>
        <translation>%1 (X %2, Y %3)</translation>
    </message>
</context>
<context>
    <name>PrintAreaPrompt</name>
    <message>
        <source>部分内容超出打印区域，仍要发送吗？
</source>
        <translation>Part of the message lies outside the print area. Send anyway?
</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>PrintPreviewWindow</name>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>打印时间</source>
        <translation>Print time</translation>
    </message>
    <message>
        <source>打印次数</source>
        <translation>Prints</translation>
    </message>
</context>
<context>
    <name>PrinterSearchTask</name>
    <message>
        <source>正在查找已连接Dravo喷码机,请稍等</source>
        <translation>Searching for the coder...</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在取消……</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>第 %1 / %2 帧</source>
        <translation>Frame %1 / %2</translation>
    </message>
    <message>
        <source>（第 %1 次尝试）</source>
        <translation> (try %1)</translation>
    </message>
    <message>
        <source>已发送 %1 字节（信息共 %2 字节）</source>
        <translation>%1 bytes sent (message: %2 bytes)</translation>
    </message>
    <message>
        <source>已用 %1，预计剩余 %2</source>
        <translation>%1 elapsed, about %2 left</translation>
    </message>
</context>
<context>
    <name>SendMessage</name>
    <message>
        <source>恭喜您，传输数据成功！ </source>
        <translation>Data sent successfully! </translation>
    </message>
</context>
<context>
    <name>SerialPanel</name>
    <message>
        <source>%1位</source>
        <translation>%1 digits</translation>
    </message>
    <message>
        <source>序号属性</source>
        <translation>Serial number properties</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>位数</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>初始值</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>增量</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>串口设置</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Speed</translation>
    </message>
</context>
<context>
    <name>ShiftPanel</name>
    <message>
        <source>班次属性</source>
        <translation>Shift properties</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>班次</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>画布缩放</source>
        <translation>Canvas zoom</translation>
    </message>
    <message>
        <source>已修改</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>模板有未保存的改动</source>
        <translation>The template has unsaved changes</translation>
    </message>
</context>
<context>
    <name>StringPanel</name>
    <message>
        <source>字符串属性</source>
        <translation>Text properties</translation>
    </message>
    <message>
        <source>粗体</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>内容文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
</context>
<context>
    <name>TemplateAttributesDialog</name>
    <message>
        <source>模板属性</source>
        <translation>Template attributes</translation>
    </message>
    <message>
        <source>模板号</source>
        <translation>Template number</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>模板尺寸</source>
        <translation>Template size</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>%1应在 %2 到 %3 之间。</source>
        <translation>%1 must be between %2 and %3.</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <source>提示</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>检测到未保存的模板，是否恢复？</source>
        <translation>An unsaved template was found. Restore it?</translation>
    </message>
    <message>
        <source>以下文字含有无法保存的字符：%1
是否用“?”代替这些字符并保存？</source>
        <translation>These texts hold characters that cannot be saved: %1
Replace them with &quot;?&quot; and save?</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>是否将改动保存到文件? </source>
        <translation>Save the changes to a file? </translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>置于顶层</source>
        <translation>Bring to front</translation>
    </message>
    <message>
        <source>置于底层</source>
        <translation>Send to back</translation>
    </message>
</context>
<context>
    <name>TemplateFile</name>
    <message>
        <source>模板属性</source>
        <translation>Template attributes</translation>
    </message>
    <message>
        <source>以下内容含有无法保存的字符：</source>
        <translation>These hold characters that cannot be saved: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>TemplateFileDialog</name>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>spt配置文档(*.spt)</source>
        <translation>spt templates (*.spt)</translation>
    </message>
</context>
<context>
    <name>TemplateReader</name>
    <message>
        <source>画布（%1 × %2 点）</source>
        <translation>the canvas (%1 × %2 dots)</translation>
    </message>
    <message>
        <source>元素 %1（%2 × %3 点）</source>
        <translation>element %1 (%2 × %3 dots)</translation>
    </message>
</context>
<context>
    <name>ToolPalette</name>
    <message>
        <source>删除组件</source>
        <translation>Delete field</translation>
    </message>
</context>
<context>
    <name>VariablePanel</name>
    <message>
        <source>前导符</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>字高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
</context>
<context>
    <name>WorkWithProgress</name>
    <message>
        <source>%1已取消，喷码机可能只收到部分数据！</source>
        <translation>%1 cancelled; the coder may have received only part of the data!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>无法打开 %1：它不是普通文件</source>
        <translation>Cannot open %1: it is not a regular file</translation>
    </message>
    <message>
        <source>找不到文件 %1</source>
        <translation>No such file: %1</translation>
    </message>
</context>
</TS>
