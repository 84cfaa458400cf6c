<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
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
