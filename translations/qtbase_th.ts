<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="th">
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ฟอร์ม</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>ขอบล่าง</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>กระดาษ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>แหล่งป้อนกระดาษ:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>ขอบขวา</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>ไพกา (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>ขอบกระดาษ</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>แนวนอน</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>เค้าโครงหน้ากระดาษ</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>ความกว้าง:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>การวางแนว</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ดีโด (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>แนวตั้ง</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>ลำดับหน้า:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ขอบบน</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ขอบซ้าย</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>ขนาดหน้ากระดาษ:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>ซิเซโร (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>แนวตั้งกลับด้าน</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>มิลลิเมตร (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>พอยต์ (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>จำนวนหน้าต่อแผ่น:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>นิ้ว (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>แนวนอนกลับด้าน</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ความสูง:</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไม่ใช่ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ใช่ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยุติ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ใช่ทั้งหมด (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ละทิ้ง</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่ทั้งหมด (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>ถึง</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ฟอร์ม</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>สี</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>พิมพ์ทั้งหมด</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>หน้า</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>หน้าปัจจุบัน</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>ส่วนที่เลือก</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>สำเนา</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>ช่วงที่จะพิมพ์</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>โหมดสี</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>การตั้งค่าเอาต์พุต</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>กลับลำดับ</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ระดับสีเทา</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>เรียงชุด</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>จำนวนสำเนา:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>เข้าเล่มด้านสั้น</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>ระบุหน้าหรือช่วงหน้าโดยคั่นด้วยจุลภาค (,) ช่วงหน้าให้ระบุเป็นตัวเลขสองตัวคั่นด้วยยัติภังค์ (-) เช่น 3,5-7,9 จะพิมพ์หน้า 3, 5, 6, 7 และ 9</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>ตั้งแต่หน้า</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>การพิมพ์สองหน้า</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>ชุดหน้า:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>เข้าเล่มด้านยาว</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ฟอร์ม</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>ชื่อ (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>ไฟล์ผลลัพธ์ (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>คุณสมบัติ (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>แสดงตัวอย่าง</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>เครื่องพิมพ์</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>ตำแหน่งที่ตั้ง:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>เปิด (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>บันทึก (&amp;S)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>แสดง </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' ถูกป้องกันการเขียน
ต้องการลบทิ้งอยู่ดีหรือไม่?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการลบ '%1'?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>รายการตำแหน่งและที่คั่นหน้า</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ชื่อไฟล์ (&amp;N):</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>โฟลเดอร์ระดับบน</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>โฟลเดอร์ใหม่ (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>ดูใน:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ชนิดของไฟล์:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>ค้นหาโฟลเดอร์</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>แสดงไฟล์ที่ซ่อนอยู่ (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ไม่พบโฟลเดอร์
โปรดตรวจสอบว่าระบุชื่อโฟลเดอร์ถูกต้อง</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>แถบข้าง</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>มุมมองรายการ</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>เลือก (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ลบ (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>เปลี่ยนชื่อ (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ไม่สามารถลบโฟลเดอร์ได้</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>โฟลเดอร์:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 มีอยู่แล้ว
ต้องการแทนที่หรือไม่?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ไปยังโฟลเดอร์ระดับบน</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>ตำแหน่งล่าสุด</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายละเอียด</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>มุมมองรายละเอียด</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ไม่พบไฟล์
โปรดตรวจสอบว่าระบุชื่อไฟล์ถูกต้อง</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายการ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>คัดลอกตำแหน่งลิงก์ (&amp;L)</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>ฟอร์ม</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>หน้ากระดาษ</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>ตัวเลือกบางรายการขัดแย้งกัน โปรดแก้ไข</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>ขั้นสูง</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>ประเภท</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>คอมพิวเตอร์ของฉัน</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>คอมพิวเตอร์</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>วันที่แก้ไข</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>แดง (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>ความอิ่มตัว (&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>ความสว่าง (&amp;V):</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>เฉดสี (&amp;E):</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>HTML (&amp;H):</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>เลือกสี</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>เพิ่มในสีที่กำหนดเอง (&amp;A)</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>น้ำเงิน (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>เลือกสีจากหน้าจอ (&amp;P)</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>เคอร์เซอร์อยู่ที่ %1, %2
กด ESC เพื่อยกเลิก</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>เขียว (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>สีพื้นฐาน (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>สีที่กำหนดเอง (&amp;C)</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>ช่องอัลฟา (&amp;L):</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>หน้าคู่</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>ตัวเลือก (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>ตัวเลือก (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>ซ้ายไปขวา, บนลงล่าง</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>ขวาไปซ้าย, ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>เขียนไฟล์ PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>พิมพ์ (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>ไม่สามารถใช้ตัวเลือก 'จำนวนหน้าต่อแผ่น' และ 'ชุดหน้า' พร้อมกันได้
โปรดปิดตัวเลือกใดตัวเลือกหนึ่ง</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 มีอยู่แล้ว
ต้องการเขียนทับหรือไม่?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>ซ้ายไปขวา, ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>หน้าคี่</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>ไฟล์ในเครื่อง</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>การตั้งค่าการพิมพ์สองหน้าขัดแย้งกัน ต้องการแก้ไขหรือไม่?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>พิมพ์ลงไฟล์ (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>พิมพ์ลงไฟล์ ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>การระบุหน้าไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 ไม่อยู่ในรูปแบบที่ถูกต้อง โปรดใช้ ',' เพื่อคั่นระหว่างช่วงหน้าและหน้า ใช้ '-' เพื่อระบุช่วงหน้า และตรวจสอบให้แน่ใจว่าช่วงหน้าไม่ซ้อนทับกัน</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>ขวาไปซ้าย, บนลงล่าง</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>ล่างขึ้นบน, ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>ค่า 'ตั้งแต่หน้า' ต้องไม่มากกว่าค่า 'ถึง'</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>ทุกหน้า</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>การตั้งค่าการพิมพ์สองหน้าขัดแย้งกัน</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 เป็นโฟลเดอร์
โปรดเลือกชื่อไฟล์อื่น</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>ไม่สามารถเขียนไฟล์ %1 ได้
โปรดเลือกชื่อไฟล์อื่น</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>ล่างขึ้นบน, ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>บนลงล่าง, ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>บนลงล่าง, ขวาไปซ้าย</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>ตัวเลือกขั้นสูงขัดแย้งกัน</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>ตัวเลือกงานพิมพ์</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>การตั้งค่าหน้ากระดาษขัดแย้งกัน</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>ตัวเลือกขั้นสูงบางรายการขัดแย้งกัน ต้องการแก้ไขหรือไม่?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>ตัวเลือกการตั้งค่าหน้ากระดาษขัดแย้งกัน ต้องการแก้ไขหรือไม่?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>คุณสมบัติเครื่องพิมพ์</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>แสดงรายละเอียด...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>เกี่ยวกับ Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>ซ่อนรายละเอียด...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;เกี่ยวกับ Qt&lt;/h3&gt;&lt;p&gt;โปรแกรมนี้ใช้ Qt รุ่น %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt เป็นชุดเครื่องมือภาษา C++ สำหรับพัฒนาแอปพลิเคชันข้ามแพลตฟอร์ม&lt;/p&gt;&lt;p&gt;Qt ช่วยให้ใช้ซอร์สโค้ดชุดเดียวกันได้บนระบบปฏิบัติการเดสก์ท็อปหลักทุกระบบ และยังใช้ได้กับ Linux แบบฝังตัว รวมถึงระบบปฏิบัติการแบบฝังตัวและระบบปฏิบัติการมือถืออื่น ๆ&lt;/p&gt;&lt;p&gt;Qt มีให้ใช้ภายใต้สัญญาอนุญาตหลายแบบ ซึ่งออกแบบมาให้ตรงกับความต้องการของผู้ใช้ที่หลากหลาย&lt;/p&gt;&lt;p&gt;Qt ภายใต้สัญญาอนุญาตเชิงพาณิชย์ของเราเหมาะสำหรับการพัฒนาซอฟต์แวร์กรรมสิทธิ์หรือซอฟต์แวร์เชิงพาณิชย์ ในกรณีที่คุณไม่ต้องการเปิดเผยซอร์สโค้ดใด ๆ แก่บุคคลภายนอก หรือไม่สามารถปฏิบัติตามเงื่อนไขของ GNU (L)GPL ได้&lt;/p&gt;&lt;p&gt;Qt ภายใต้สัญญาอนุญาต GNU (L)GPL เหมาะสำหรับการพัฒนาแอปพลิเคชัน&amp;nbsp;Qt หากคุณสามารถปฏิบัติตามข้อกำหนดและเงื่อนไขของสัญญาอนุญาตนั้น ๆ ได้&lt;/p&gt;&lt;p&gt;โปรดดูภาพรวมของสัญญาอนุญาตของ Qt ได้ที่ &lt;a href="http://%2/"&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd และผู้ร่วมพัฒนาอื่น ๆ&lt;/p&gt;&lt;p&gt;Qt และโลโก้ Qt เป็นเครื่องหมายการค้าของ The Qt Company Ltd&lt;/p&gt;&lt;p&gt;Qt เป็นผลิตภัณฑ์ของ The Qt Company Ltd ที่พัฒนาในรูปแบบโครงการโอเพนซอร์ส ดูข้อมูลเพิ่มเติมได้ที่ &lt;a href="http://%3/"&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>ลดค่า (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>เพิ่มค่า (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>เลือกทั้งหมด (&amp;S)</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>ป้อนค่า:</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ตัวเลือกที่ไม่รู้จัก: %1</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translation>ไม่รู้จักตัวเลือก '%1'</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ตัวเลือก]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ตัวเลือก:</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>แสดงวิธีใช้ รวมถึงตัวเลือกเฉพาะของ Qt</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>วิธีใช้: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>แสดงวิธีใช้ตัวเลือกของบรรทัดคำสั่ง</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>มีค่าที่ไม่คาดคิดหลัง '%1'</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>แสดงข้อมูลรุ่นของโปรแกรม</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>อาร์กิวเมนต์:</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>ไม่มีค่าหลัง '%1'</translation>
    </message>
</context>
</TS>