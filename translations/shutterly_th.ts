<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>Messages</name>
    <message>
        <source>Choose the day from a calendar (Alt+Down)</source>
        <translation>เลือกวันจากปฏิทิน (Alt+ลูกศรลง)</translation>
    </message>
    <message>
        <source>Type a date as %1 or %2</source>
        <translation>พิมพ์วันที่ในรูปแบบ %1 หรือ %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>หน่วยความจำไม่พอ</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>เกิดข้อผิดพลาดที่ไม่คาดคิด</translation>
    </message>
    <message>
        <source>Use %1 as the decimal separator</source>
        <translation>ใช้ %1 เป็นตัวคั่นทศนิยม</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>ไม่สามารถเขียนไฟล์ %1 ได้</translation>
    </message>
    <message>
        <source>The %1 of %2 must lie between -%3 and %3 degrees</source>
        <translation>%1 ของ %2 ต้องอยู่ระหว่าง -%3 ถึง %3 องศา</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>ลองจิจูด</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>ละติจูด</translation>
    </message>
    <message>
        <source>Unable to read %1: its places and options are not shown, and it is left as it is.</source>
        <translation>ไม่สามารถอ่านไฟล์ %1 ได้: จะไม่แสดงสถานที่และตัวเลือกในไฟล์นั้น และจะไม่แก้ไขไฟล์</translation>
    </message>
    <message>
        <source>The light is exported for 1 to %1 days, not %2.</source>
        <translation>ส่งออกข้อมูลแสงได้ 1 ถึง %1 วัน ไม่ใช่ %2 วัน</translation>
    </message>
    <message>
        <source>Only the days of the years %1 to %2 can be exported.</source>
        <translation>ส่งออกได้เฉพาะวันในปี %1 ถึง %2 เท่านั้น</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source> deg. where north = zero, east = 90, west = 270</source>
        <translation> องศา (เหนือ = 0, ตะวันออก = 90, ตะวันตก = 270)</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> องศา</translation>
    </message>
    <message>
        <source>%1 = UTC plus %2 hours</source>
        <translation>%1 = UTC บวก %2 ชั่วโมง</translation>
    </message>
    <message>
        <source>Night time</source>
        <translation>กลางคืน</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>ทำงานต่อ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>หยุด (&amp;S)</translation>
    </message>
    <message>
        <source>Sun azimuth:</source>
        <translation>มุมทิศดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>Sun elevation:</source>
        <translation>มุมเงยดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>North</source>
        <translation>เหนือ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ตะวันออก</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ตะวันตก</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ใต้</translation>
    </message>
</context>
<context>
    <name>Tfrm_about</name>
    <message>
        <source>&amp;OK</source>
        <translation>ตกลง (&amp;O)</translation>
    </message>
</context>
<context>
    <name>Tfrm_locations</name>
    <message>
        <source>eg. +34:54:00</source>
        <translation>เช่น +34:54:00</translation>
    </message>
    <message>
        <source>eg. +032:26:00 ie. don&apos;t forget + or -, and degrees must have 3 integers, including preceding zeros if needed</source>
        <translation>เช่น +032:26:00 อย่าลืมใส่ + หรือ - และองศาต้องมี 3 หลัก เติมศูนย์ข้างหน้าหากจำเป็น</translation>
    </message>
    <message>
        <source>up</source>
        <translation>ขึ้น</translation>
    </message>
    <message>
        <source>down</source>
        <translation>ลง</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>นำเข้า</translation>
    </message>
</context>
</TS>
