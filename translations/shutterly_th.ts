<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>AstroPageView</name>
    <message>
        <source>Determining F ratio and effective focal length:</source>
        <translation>หาค่า f และทางยาวโฟกัสรวม:</translation>
    </message>
    <message>
        <source>Barlow lens magnification:</source>
        <translation>กำลังขยายเลนส์บาร์โลว์:</translation>
    </message>
    <message>
        <source>Telescope focal length (mm):</source>
        <translation>ทางยาวโฟกัสกล้องโทรทรรศน์ (mm):</translation>
    </message>
    <message>
        <source>aperture diameter (mm):</source>
        <translation>ขนาดหน้ากล้อง (mm):</translation>
    </message>
    <message>
        <source>Eyepiece focal length (mm):</source>
        <translation>ทางยาวโฟกัสเลนส์ตา (mm):</translation>
    </message>
    <message>
        <source>Camera focal length (35mm):</source>
        <translation>ทางยาวโฟกัสเลนส์กล้อง (35mm):</translation>
    </message>
    <message>
        <source>Camera lens f/ratio:</source>
        <translation>ค่า f เลนส์กล้อง:</translation>
    </message>
    <message>
        <source>Determining image size and angular sizes</source>
        <translation>หาขนาดภาพและขนาดเชิงมุม</translation>
    </message>
    <message>
        <source>Effective focal length (mm):</source>
        <translation>ทางยาวโฟกัสรวม (mm):</translation>
    </message>
    <message>
        <source>Magnification:</source>
        <translation>กำลังขยาย:</translation>
    </message>
    <message>
        <source>Angle of view on 35mm film or full frame digital:</source>
        <translation>มุมรับภาพบนฟิล์ม 35mm หรือฟูลเฟรม:</translation>
    </message>
    <message>
        <source>deg X</source>
        <translation>องศา X</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>องศา</translation>
    </message>
    <message>
        <source>Full moon diameter as percent of film height:</source>
        <translation>ขนาดพระจันทร์เต็มดวงเป็น % ของความสูงภาพ:</translation>
    </message>
    <message>
        <source>%  (moon diameter approx. 0.51degrees)</source>
        <translation>%  (ขนาดดวงจันทร์ราว 0.51 องศา)</translation>
    </message>
    <message>
        <source>Max. duration untracked to avoid star trails:</source>
        <translation>นานสุดโดยไม่ใช้ขาตามดาวก่อนดาวยืด:</translation>
    </message>
    <message>
        <source>seconds. (based on 15sec for 50mm lens on 35mm camera)</source>
        <translation>วินาที (อิงจาก 15 วินาทีสำหรับเลนส์ 50mm บนกล้อง 35mm)</translation>
    </message>
    <message>
        <source>Longest untracked exposure with stars still points</source>
        <translation>เปิดรับแสงนานสุดโดยไม่ใช้ขาตามดาวที่ดาวยังเป็นจุด</translation>
    </message>
    <message>
        <source>For the effective focal length and the camera lens f-ratio on the left and the camera format of the first page.</source>
        <translation>คำนวณจากทางยาวโฟกัสรวมและค่า f ของเลนส์กล้องทางซ้าย กับฟอร์แมตกล้องในหน้าแรก</translation>
    </message>
    <message>
        <source>Image width (pixels):</source>
        <translation>ความกว้างภาพ (พิกเซล):</translation>
    </message>
    <message>
        <source>Declination aimed at (degrees):</source>
        <translation>เดคลิเนชันของเป้า (องศา):</translation>
    </message>
    <message>
        <source>500 rule:</source>
        <translation>กฎ 500:</translation>
    </message>
    <message>
        <source>NPF rule:</source>
        <translation>กฎ NPF:</translation>
    </message>
    <message>
        <source>NPF rule at that declination:</source>
        <translation>กฎ NPF ที่เดคลิเนชันนี้:</translation>
    </message>
</context>
<context>
    <name>BarlowLenses</name>
    <message>
        <source>1x (ie. no Barlow lens)</source>
        <translation>1x (คือไม่ใช้เลนส์บาร์โลว์)</translation>
    </message>
</context>
<context>
    <name>CalculatorWindowView</name>
    <message>
        <source>&amp;File</source>
        <translation>แฟ้ม (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>แก้ไข (&amp;E)</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>สีฉากหลัง</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>ตั้งค่าการพิมพ์</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.</source>
        <translation>ไม่มีเครื่องพิมพ์ติดตั้งไว้ในคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>No printer is installed. Save the printout as a PDF file instead?</source>
        <translation>ไม่มีเครื่องพิมพ์ติดตั้งไว้ จะบันทึกงานพิมพ์เป็นไฟล์ PDF แทนหรือไม่?</translation>
    </message>
    <message>
        <source>Save printout</source>
        <translation>บันทึกงานพิมพ์</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ไฟล์ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>ไม่สามารถเริ่มการพิมพ์ได้</translation>
    </message>
</context>
<context>
    <name>ColourFilters</name>
    <message>
        <source>(bluish)</source>
        <translation>(อมฟ้า)</translation>
    </message>
    <message>
        <source>(yellowish)</source>
        <translation>(อมเหลือง)</translation>
    </message>
    <message>
        <source>daylight 5500K</source>
        <translation>เดย์ไลท์ 5500K</translation>
    </message>
    <message>
        <source>photofloods 3400K</source>
        <translation>โฟโต้ฟลัด 3400K</translation>
    </message>
    <message>
        <source>tungsten 3200K</source>
        <translation>ทังสเตน 3200K</translation>
    </message>
    <message>
        <source>clear blue sky ~10000K</source>
        <translation>ท้องฟ้าสีฟ้าใส ~10000K</translation>
    </message>
    <message>
        <source>hazy blue sky ~8000K</source>
        <translation>ท้องฟ้าสีฟ้ามีหมอกจาง ~8000K</translation>
    </message>
    <message>
        <source>light overcast sky ~7200K</source>
        <translation>ท้องฟ้ามีเมฆบาง ~7200K</translation>
    </message>
    <message>
        <source>heavy overcast 6500K</source>
        <translation>เมฆครึ้มมาก 6500K</translation>
    </message>
    <message>
        <source>&quot;daylight&quot; flourescent 6500K</source>
        <translation>หลอดฟลูออเรสเซนต์ &quot;เดย์ไลท์&quot; 6500K</translation>
    </message>
    <message>
        <source>direct sunlight 10am-3pm 6000K</source>
        <translation>แดดตรง 10.00–15.00 น. 6000K</translation>
    </message>
    <message>
        <source>direct sunlight midday 5500K</source>
        <translation>แดดตรงตอนเที่ยง 5500K</translation>
    </message>
    <message>
        <source>electronic flash 5500K</source>
        <translation>แฟลชอิเล็กทรอนิกส์ 5500K</translation>
    </message>
    <message>
        <source>blue photoflood 4800K</source>
        <translation>โฟโต้ฟลัดสีฟ้า 4800K</translation>
    </message>
    <message>
        <source>&quot;cool white&quot; flourescent 4500K</source>
        <translation>หลอดฟลูออเรสเซนต์ &quot;คูลไวท์&quot; 4500K</translation>
    </message>
    <message>
        <source>clear flash lamp 4200K</source>
        <translation>หลอดแฟลชแบบใส 4200K</translation>
    </message>
    <message>
        <source>&quot;warm white&quot; flourescent 3500K</source>
        <translation>หลอดฟลูออเรสเซนต์ &quot;วอร์มไวท์&quot; 3500K</translation>
    </message>
    <message>
        <source>studio lamps 3200K</source>
        <translation>ไฟสตูดิโอ 3200K</translation>
    </message>
    <message>
        <source>1000W tungsten 3000K</source>
        <translation>หลอดทังสเตน 1000W 3000K</translation>
    </message>
    <message>
        <source>500W tungsten 2950K</source>
        <translation>หลอดทังสเตน 500W 2950K</translation>
    </message>
    <message>
        <source>100W tungsten 2860K</source>
        <translation>หลอดทังสเตน 100W 2860K</translation>
    </message>
    <message>
        <source>40W tungsten 2760K</source>
        <translation>หลอดทังสเตน 40W 2760K</translation>
    </message>
    <message>
        <source>candle flame 1500K</source>
        <translation>เปลวเทียน 1500K</translation>
    </message>
</context>
<context>
    <name>ComfortText</name>
    <message>
        <source>The apparent temperature is what the model feels: the air temperature corrected for humidity and wind, and in the sun also for the radiation the body absorbs.

The value in the sun is a rough estimate for a model lying horizontal with minimal clothing. It depends on the sun&apos;s elevation, on cloud and smog, on clothing, on posture and on nearby surfaces that reflect sunlight onto the model.

The solar correction factor scales the sun&apos;s share of the estimate (1 takes it in full); tune it by experience.

While &quot;Use calculated&quot; is checked, the sun elevation is filled in automatically from the current position of the sun at the current location.

An altitude of 10 metres above sea level is assumed.</source>
        <translation>อุณหภูมิที่รู้สึกได้คืออุณหภูมิที่นายแบบ/นางแบบรู้สึกจริง ได้แก่อุณหภูมิอากาศที่ปรับแก้ตามความชื้นและลม และเมื่ออยู่กลางแดดก็ปรับตามรังสีที่ร่างกายดูดซับไว้ด้วย

ค่ากลางแดดเป็นเพียงการประมาณคร่าว ๆ สำหรับนายแบบ/นางแบบที่นอนราบและสวมเสื้อผ้าน้อยที่สุด ค่านี้ขึ้นกับมุมเงยของดวงอาทิตย์ เมฆและหมอกควัน เสื้อผ้า ท่าทาง และพื้นผิวใกล้เคียงที่สะท้อนแสงแดดมายังตัวแบบ

ตัวคูณปรับแก้แสงแดดใช้ปรับสัดส่วนของแสงแดดในการประมาณ (1 คือคิดเต็มที่) ปรับค่าได้ตามประสบการณ์

ขณะที่เลือก &quot;ใช้ค่าที่คำนวณได้&quot; ไว้ มุมเงยของดวงอาทิตย์จะกรอกให้อัตโนมัติจากตำแหน่งปัจจุบันของดวงอาทิตย์ ณ สถานที่ปัจจุบัน

โปรแกรมถือว่าอยู่ที่ความสูง 10 เมตรเหนือระดับน้ำทะเล</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The option --limit takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>ตัวเลือก --limit ต้องเป็นจำนวนเต็มตั้งแต่ 1 ถึง %1 ไม่ใช่ &apos;%2&apos;</translation>
    </message>
    <message>
        <source>The option --find needs the name of a place.</source>
        <translation>ตัวเลือก --find ต้องมีชื่อสถานที่</translation>
    </message>
    <message>
        <source>No place of the table matches &apos;%1&apos;.</source>
        <translation>ไม่มีสถานที่ในตารางที่ตรงกับ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos; for --format: use text, csv or ics.</source>
        <translation>ไม่รู้จักรูปแบบ &apos;%1&apos; ของ --format: ใช้ text, csv หรือ ics</translation>
    </message>
    <message>
        <source>The days of --date and --days run beyond the year %1.</source>
        <translation>วันของ --date และ --days เลยปี %1 ไป</translation>
    </message>
    <message>
        <source>The light cannot be computed: %1
</source>
        <translation>คำนวณแสงไม่ได้: %1
</translation>
    </message>
    <message>
        <source>The option --days takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>ตัวเลือก --days ต้องเป็นจำนวนเต็มตั้งแต่ 1 ถึง %1 ไม่ใช่ &apos;%2&apos;</translation>
    </message>
    <message>
        <source>The option --date takes a date YYYY-MM-DD from %1 to %2, not &apos;%3&apos;.</source>
        <translation>ตัวเลือก --date ต้องเป็นวันที่ YYYY-MM-DD (ปี ค.ศ.) ตั้งแต่ %1 ถึง %2 ไม่ใช่ &apos;%3&apos;</translation>
    </message>
    <message>
        <source>The latitude %1 of --place lies beyond ±90 degrees.</source>
        <translation>ละติจูด %1 ของ --place เกิน ±90 องศา</translation>
    </message>
    <message>
        <source>The longitude %1 of --place lies beyond ±180 degrees.</source>
        <translation>ลองจิจูด %1 ของ --place เกิน ±180 องศา</translation>
    </message>
    <message>
        <source>The stored location &apos;%1&apos; of --place has a latitude beyond ±90 degrees.</source>
        <translation>สถานที่ที่บันทึกไว้ &apos;%1&apos; ของ --place มีละติจูดเกิน ±90 องศา</translation>
    </message>
    <message>
        <source>The stored location &apos;%1&apos; of --place has a longitude beyond ±180 degrees.</source>
        <translation>สถานที่ที่บันทึกไว้ &apos;%1&apos; ของ --place มีลองจิจูดเกิน ±180 องศา</translation>
    </message>
    <message>
        <source>The option --place needs a place: LAT,LON, a stored location or a town.</source>
        <translation>ตัวเลือก --place ต้องมีสถานที่: ละติจูด,ลองจิจูด สถานที่ที่บันทึกไว้ หรือชื่อเมือง</translation>
    </message>
    <message>
        <source>Unknown place &apos;%1&apos; for --place: give LAT,LON, a stored location or a town.</source>
        <translation>ไม่รู้จักสถานที่ &apos;%1&apos; ของ --place: ระบุละติจูด,ลองจิจูด สถานที่ที่บันทึกไว้ หรือชื่อเมือง</translation>
    </message>
    <message>
        <source>Unknown time zone &apos;%1&apos; for --zone.</source>
        <translation>ไม่รู้จักเขตเวลา &apos;%1&apos; ของ --zone</translation>
    </message>
    <message>
        <source>The time zone &apos;%1&apos; of %2 is unknown; the light is given in %3.</source>
        <translation>ไม่รู้จักเขตเวลา &apos;%1&apos; ของ %2 จึงแสดงแสงตามเวลา %3</translation>
    </message>
    <message>
        <source>The option --moon-lit-below takes a percentage from 0 to 100, not &apos;%1&apos;.</source>
        <translation>ตัวเลือก --moon-lit-below ต้องเป็นเปอร์เซ็นต์ตั้งแต่ 0 ถึง 100 ไม่ใช่ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The option --core-altitude takes degrees from 0 to 90, not &apos;%1&apos;.</source>
        <translation>ตัวเลือก --core-altitude ต้องเป็นองศาตั้งแต่ 0 ถึง 90 ไม่ใช่ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos; for --format with --night: use text or csv.</source>
        <translation>ไม่รู้จักรูปแบบ &apos;%1&apos; ของ --format เมื่อใช้ --night: ใช้ text หรือ csv</translation>
    </message>
    <message>
        <source>The nights of --date and --days run beyond the year %1.</source>
        <translation>คืนของ --date และ --days เลยปี %1 ไป</translation>
    </message>
    <message>
        <source>The night cannot be computed: %1
</source>
        <translation>คำนวณคืนไม่ได้: %1
</translation>
    </message>
    <message>
        <source>
Try &apos;shutterly --help&apos; for the options.
</source>
        <translation>
พิมพ์ &apos;shutterly --help&apos; เพื่อดูตัวเลือกทั้งหมด
</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is a folder.</source>
        <translation>ไฟล์การตั้งค่า &apos;%1&apos; เป็นโฟลเดอร์</translation>
    </message>
    <message>
        <source>The folder of the settings file &apos;%1&apos; does not exist.</source>
        <translation>ไม่มีโฟลเดอร์ของไฟล์การตั้งค่า &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is not a regular file.</source>
        <translation>ไฟล์การตั้งค่า &apos;%1&apos; ไม่ใช่ไฟล์ธรรมดา</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is larger than 64 MB, too large for a settings file.</source>
        <translation>ไฟล์การตั้งค่า &apos;%1&apos; ใหญ่กว่า 64 MB ซึ่งใหญ่เกินกว่าจะเป็นไฟล์การตั้งค่า</translation>
    </message>
    <message>
        <source>Calculator and almanac for photographers: depth of field, exposure, studio lighting, sun and moon.</source>
        <translation>เครื่องคำนวณและปฏิทินดาราศาสตร์สำหรับช่างภาพ: ระยะชัดลึก การวัดแสง การจัดไฟในสตูดิโอ ดวงอาทิตย์และดวงจันทร์</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>แสดงวิธีใช้นี้แล้วออกจากโปรแกรม</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and exits.</source>
        <translation>แสดงรุ่นของโปรแกรมแล้วออกจากโปรแกรม</translation>
    </message>
    <message>
        <source>Keeps the settings (moon options and locations) in &lt;file&gt; instead of the usual shutterly.ini.</source>
        <translation>เก็บการตั้งค่า (ตัวเลือกดวงจันทร์และสถานที่) ไว้ใน &lt;ไฟล์&gt; แทน shutterly.ini ตามปกติ</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Prints the light of the place&apos;s local day(s) (dawns, blue and golden hours, sunrise, sunset, dusks, moonrise, moonset) and exits.</source>
        <translation>พิมพ์แสงของวันตามเวลาท้องถิ่นของสถานที่ (รุ่งสาง บลูเอาร์และโกลเด้นเอาร์ ดวงอาทิตย์ขึ้น ดวงอาทิตย์ตก พลบค่ำ ดวงจันทร์ขึ้น ดวงจันทร์ตก) แล้วออกจากโปรแกรม</translation>
    </message>
    <message>
        <source>Prints the night of the place&apos;s local date(s), from noon to noon: the dark sky (sun below -18 degrees, moon down) and when the Milky Way&apos;s core stands high in it, and exits.</source>
        <translation>พิมพ์คืนของวันตามเวลาท้องถิ่นของสถานที่ จากเที่ยงวันถึงเที่ยงวัน: ช่วงฟ้ามืด (ดวงอาทิตย์ต่ำกว่า -18 องศา ดวงจันทร์ตกแล้ว) และช่วงที่ใจกลางทางช้างเผือกอยู่สูงบนฟ้า แล้วออกจากโปรแกรม</translation>
    </message>
    <message>
        <source>With --night: a moon lit less than n per cent of its disc counts as down; default off.</source>
        <translation>ใช้กับ --night: ดวงจันทร์ที่สว่างน้อยกว่า n เปอร์เซ็นต์ของดวงถือว่าตกแล้ว; ค่าเริ่มต้นคือปิด</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --night: the altitude in degrees the Milky Way&apos;s core must reach, 0 to 90; default 10.</source>
        <translation>ใช้กับ --night: มุมเงยเป็นองศาที่ใจกลางทางช้างเผือกต้องขึ้นถึง 0 ถึง 90; ค่าเริ่มต้นคือ 10</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>องศา</translation>
    </message>
    <message>
        <source>With --light or --night: LAT,LON in decimal degrees, north and east positive (52.52,13.405), a stored location&apos;s name or a town (Tromso).</source>
        <translation>ใช้กับ --light หรือ --night: ละติจูด,ลองจิจูด เป็นองศาทศนิยม ทิศเหนือและทิศตะวันออกเป็นบวก (13.75,100.5) ชื่อสถานที่ที่บันทึกไว้ หรือชื่อเมือง (Tromso)</translation>
    </message>
    <message>
        <source>place</source>
        <translation>สถานที่</translation>
    </message>
    <message>
        <source>With --light or --night: the place&apos;s local date YYYY-MM-DD; default today there.</source>
        <translation>ใช้กับ --light หรือ --night: วันที่ตามเวลาท้องถิ่นของสถานที่ในรูปแบบ YYYY-MM-DD (ปี ค.ศ.); ค่าเริ่มต้นคือวันนี้ที่สถานที่นั้น</translation>
    </message>
    <message>
        <source>date</source>
        <translation>วันที่</translation>
    </message>
    <message>
        <source>With --light or --night: how many days from the date, 1 to 366; default 1.</source>
        <translation>ใช้กับ --light หรือ --night: จำนวนวันนับจากวันที่ 1 ถึง 366; ค่าเริ่มต้นคือ 1</translation>
    </message>
    <message>
        <source>With --light or --night: the IANA time zone of the times (Europe/Berlin); default the place&apos;s own, else that of the nearest town.</source>
        <translation>ใช้กับ --light หรือ --night: เขตเวลา IANA ของเวลาที่แสดง (Asia/Bangkok); ค่าเริ่มต้นคือเขตเวลาของสถานที่ หรือของเมืองที่ใกล้ที่สุด</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>เขตเวลา</translation>
    </message>
    <message>
        <source>With --light: text (default, in your language), csv (one row per event: date,event,local_time,utc_time,azimuth,note,illuminated) or ics (an iCalendar file of the golden and blue hours, sunrise, sunset, moonrise and moonset). With --night: text or csv (date,event,local_time,utc_time,azimuth,altitude,note).</source>
        <translation>ใช้กับ --light: text (ค่าเริ่มต้น เป็นภาษาของคุณ), csv (หนึ่งแถวต่อหนึ่งเหตุการณ์: date,event,local_time,utc_time,azimuth,note,illuminated) หรือ ics (ไฟล์ iCalendar ของโกลเด้นเอาร์และบลูเอาร์ ดวงอาทิตย์ขึ้น ดวงอาทิตย์ตก ดวงจันทร์ขึ้นและดวงจันทร์ตก) ใช้กับ --night: text หรือ csv (date,event,local_time,utc_time,azimuth,altitude,note)</translation>
    </message>
    <message>
        <source>format</source>
        <translation>รูปแบบ</translation>
    </message>
    <message>
        <source>Prints the places of the built-in table whose name or a word of it starts with TEXT, one per line (name, region, country, latitude, longitude east +, zone, population, parted by tabs), and exits.</source>
        <translation>พิมพ์สถานที่จากตารางในตัวโปรแกรมที่ชื่อหรือคำหนึ่งในชื่อขึ้นต้นด้วย TEXT บรรทัดละหนึ่งแห่ง (ชื่อ ภูมิภาค ประเทศ ละติจูด ลองจิจูดทิศตะวันออกเป็นบวก เขตเวลา ประชากร คั่นด้วยแท็บ) แล้วออกจากโปรแกรม</translation>
    </message>
    <message>
        <source>text</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>With --find: how many places at most, 1 to 1000; default 10.</source>
        <translation>ใช้กับ --find: จำนวนสถานที่สูงสุด 1 ถึง 1000; ค่าเริ่มต้นคือ 10</translation>
    </message>
    <message>
        <source>Missing value after &apos;--%1&apos;.</source>
        <translation>ไม่มีค่าหลัง &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: Shutterly opens no files.</source>
        <translation>อาร์กิวเมนต์ &apos;%1&apos; ไม่ถูกต้อง: Shutterly ไม่เปิดไฟล์</translation>
    </message>
    <message>
        <source>The option --limit belongs to --find.</source>
        <translation>ตัวเลือก --limit ใช้ได้กับ --find เท่านั้น</translation>
    </message>
    <message>
        <source>The options --find and --light cannot be given together.</source>
        <translation>ใช้ตัวเลือก --find และ --light พร้อมกันไม่ได้</translation>
    </message>
    <message>
        <source>The options --find and --night cannot be given together.</source>
        <translation>ใช้ตัวเลือก --find และ --night พร้อมกันไม่ได้</translation>
    </message>
    <message>
        <source>The option --%1 is given more than once.</source>
        <translation>ระบุตัวเลือก --%1 มากกว่าหนึ่งครั้ง</translation>
    </message>
    <message>
        <source>The option --settings needs the name of a file.</source>
        <translation>ตัวเลือก --settings ต้องมีชื่อไฟล์</translation>
    </message>
    <message>
        <source>The options --light and --night cannot be given together.</source>
        <translation>ใช้ตัวเลือก --light และ --night พร้อมกันไม่ได้</translation>
    </message>
    <message>
        <source>The option --%1 belongs to --night.</source>
        <translation>ตัวเลือก --%1 ใช้ได้กับ --night เท่านั้น</translation>
    </message>
    <message>
        <source>The option --%1 belongs to --light or --night.</source>
        <translation>ตัวเลือก --%1 ใช้ได้กับ --light หรือ --night เท่านั้น</translation>
    </message>
    <message>
        <source>The option --%1 needs --place.</source>
        <translation>ตัวเลือก --%1 ต้องใช้คู่กับ --place</translation>
    </message>
    <message>
        <source>The argument &apos;%1&apos; is not valid text in this system&apos;s encoding, so Shutterly cannot tell which file it names.</source>
        <translation>อาร์กิวเมนต์ &apos;%1&apos; ไม่ใช่ข้อความที่ถูกต้องในการเข้ารหัสอักขระของระบบนี้ Shutterly จึงไม่ทราบว่าหมายถึงไฟล์ใด</translation>
    </message>
    <message>
        <source>Shutterly needs a graphical desktop session and none was found; to start it without one, run it under a virtual display: xvfb-run -a %1
</source>
        <translation>Shutterly ต้องใช้เซสชันเดสก์ท็อปแบบกราฟิก แต่ไม่พบเซสชันใดเลย หากต้องการเปิดโดยไม่มีเซสชัน ให้รันในจอแสดงผลเสมือน: xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Shutterly is already running with %1; its window is brought to the front.
</source>
        <translation>Shutterly กำลังทำงานอยู่แล้วด้วย %1 หน้าต่างของโปรแกรมถูกนำขึ้นมาด้านหน้า
</translation>
    </message>
    <message>
        <source>Shutterly is already running with %1.
</source>
        <translation>Shutterly กำลังทำงานอยู่แล้วด้วย %1
</translation>
    </message>
</context>
<context>
    <name>ConversionsPageView</name>
    <message>
        <source>Colour temperature filters:</source>
        <translation>ฟิลเตอร์แก้อุณหภูมิสี:</translation>
    </message>
    <message>
        <source>Film/sensor colour temperature:</source>
        <translation>อุณหภูมิสีของฟิล์ม/เซนเซอร์:</translation>
    </message>
    <message>
        <source>light source colour temperature:</source>
        <translation>อุณหภูมิสีของแหล่งแสง:</translation>
    </message>
    <message>
        <source>Mired shift = [(1/temp1) - (1/temp2)] x 1000000    NB. this does not use the CC type filters</source>
        <translation>ค่าเลื่อน Mired = [(1/temp1) - (1/temp2)] x 1000000    หมายเหตุ: ไม่รวมฟิลเตอร์ชนิด CC</translation>
    </message>
    <message>
        <source>thus need filter:</source>
        <translation>จึงต้องใช้ฟิลเตอร์:</translation>
    </message>
    <message>
        <source>Flash GN conversions</source>
        <translation>แปลงค่าไกด์นัมเบอร์ (GN)</translation>
    </message>
    <message>
        <source>Flash guide number:</source>
        <translation>ไกด์นัมเบอร์แฟลช:</translation>
    </message>
    <message>
        <source>ISO setting:</source>
        <translation>ค่า ISO:</translation>
    </message>
    <message>
        <source>Power setting:</source>
        <translation>กำลังแฟลช:</translation>
    </message>
    <message>
        <source>GN:</source>
        <translation>GN:</translation>
    </message>
    <message>
        <source>Flash distance or f/ratio calculator</source>
        <translation>คำนวณระยะแฟลชหรือค่า f</translation>
    </message>
    <message>
        <source>flash to subject distance in units of GN:</source>
        <translation>ระยะแฟลชถึงตัวแบบ (หน่วยเดียวกับ GN):</translation>
    </message>
    <message>
        <source>f/ratio to use:</source>
        <translation>ค่า f ที่ต้องใช้:</translation>
    </message>
    <message>
        <source>f/ratio you wish to use:</source>
        <translation>ค่า f ที่ต้องการ:</translation>
    </message>
    <message>
        <source>distance to use:</source>
        <translation>ระยะที่ต้องใช้:</translation>
    </message>
</context>
<context>
    <name>Documentation</name>
    <message>
        <source>THE ZONE SYSTEM

A reflected-light meter does not know what it is looking at. Whatever it measures - a white wedding dress, a grey stone wall or a black cat - it suggests the exposure that would render that surface as a middle grey, reflecting about 18% of the light. A bright subject metered directly therefore comes out too dark, and a dark subject too light. The zone system lets you decide where a metered tone should fall instead of leaving it to the meter.

The tonal range from pure black to pure white is divided into eleven zones, each one stop (twice the light) apart. Meter the area you care about, then open up or stop down by the number of zones you want it to move from Zone V.

Zone 0    Pure black of the print or file, no detail at all.
Zone I    Near black, a trace of tone but no texture.
Zone II   First hint of texture in the deepest shadows.
Zone III  Dark materials with full texture; the darkest shadow that must keep detail.
Zone IV   Open shadow on a sunlit landscape, dark foliage, dark stone, shadowed skin.
Zone V    Middle grey: the meter&apos;s answer. Grey card, weathered wood, dark skin, clear north sky.
Zone VI   Average light skin in sun, shadows on snow in sunlight, light stone.
Zone VII  Very light skin, light grey or pale materials with full texture.
Zone VIII Highest zone with texture: textured snow, white fabric with its weave.
Zone IX   Glaring white surfaces, snow in flat sunlight; tone without texture.
Zone X    Pure white of the paper or file: light sources and specular reflections.

Example: to keep detail in a snowfield, meter it and open up two stops so that it falls on Zone VII rather than turning grey on Zone V. To hold texture in a dark coat, meter it and stop down two stops to place it on Zone III.

Digital sensors clip highlights abruptly, so expose for the brightest zone that must keep detail and check the histogram.</source>
        <translation>ระบบโซน

เครื่องวัดแสงแบบวัดแสงสะท้อนไม่รู้ว่ากำลังวัดอะไรอยู่ ไม่ว่าจะวัดชุดแต่งงานสีขาว กำแพงหินสีเทา หรือแมวดำ มันจะเสนอค่าการรับแสงที่ทำให้พื้นผิวนั้นออกมาเป็นสีเทากลาง (middle grey) ซึ่งสะท้อนแสงประมาณ 18% ดังนั้นถ้าวัดแสงจากวัตถุสีสว่างโดยตรง ภาพจะออกมามืดเกินไป และถ้าวัดจากวัตถุสีเข้ม ภาพจะออกมาสว่างเกินไป ระบบโซนช่วยให้คุณกำหนดเองได้ว่าโทนที่วัดได้ควรไปอยู่ตรงไหน แทนที่จะปล่อยให้เครื่องวัดแสงเป็นผู้ตัดสิน

ช่วงโทนตั้งแต่ดำสนิทจนถึงขาวบริสุทธิ์แบ่งออกเป็น 11 โซน แต่ละโซนห่างกัน 1 สต็อป (แสงต่างกันสองเท่า) ให้วัดแสงบริเวณที่คุณให้ความสำคัญ แล้วเพิ่มหรือลดแสงตามจำนวนโซนที่ต้องการให้โทนนั้นเลื่อนออกจากโซน V

โซน 0     ดำสนิทของภาพพิมพ์หรือไฟล์ ไม่มีรายละเอียดใด ๆ เลย
โซน I     เกือบดำ มีโทนอยู่เล็กน้อยแต่ไม่เห็นพื้นผิว
โซน II    เริ่มเห็นพื้นผิวเล็กน้อยในเงาที่มืดที่สุด
โซน III   วัสดุสีเข้มที่เห็นพื้นผิวครบถ้วน เป็นเงามืดที่สุดที่ยังต้องเก็บรายละเอียดไว้
โซน IV    เงาเปิด (open shadow) ในภาพทิวทัศน์ที่มีแดด ใบไม้สีเข้ม หินสีเข้ม ผิวที่อยู่ในเงา
โซน V     เทากลาง: ค่าที่เครื่องวัดแสงเสนอ กระดาษเทา (grey card) ไม้เก่าที่ผ่านแดดฝน ผิวคล้ำ ท้องฟ้าแจ่มใสทางทิศเหนือ
โซน VI    ผิวขาวทั่วไปกลางแดด เงาบนหิมะที่ต้องแสงแดด หินสีอ่อน
โซน VII   ผิวขาวมาก วัสดุสีเทาอ่อนหรือสีซีดที่เห็นพื้นผิวครบถ้วน
โซน VIII  โซนสูงสุดที่ยังเห็นพื้นผิว: หิมะที่เห็นผิวสัมผัส ผ้าขาวที่เห็นลายทอ
โซน IX    พื้นผิวขาวจ้า หิมะในแสงแดดที่ไม่มีเงา มีโทนแต่ไม่มีพื้นผิว
โซน X     ขาวบริสุทธิ์ของกระดาษหรือไฟล์: แหล่งกำเนิดแสงและแสงสะท้อนแบบกระจก (specular)

ตัวอย่าง: หากต้องการเก็บรายละเอียดของทุ่งหิมะ ให้วัดแสงที่หิมะแล้วเพิ่มแสง 2 สต็อป เพื่อให้หิมะไปอยู่ที่โซน VII แทนที่จะกลายเป็นสีเทาที่โซน V และหากต้องการรักษาพื้นผิวของเสื้อโค้ตสีเข้ม ให้วัดแสงที่เสื้อแล้วลดแสง 2 สต็อป เพื่อวางไว้ที่โซน III

เซนเซอร์ดิจิทัลจะตัดส่วนไฮไลต์ทิ้งอย่างฉับพลัน จึงควรเปิดรับแสงโดยยึดโซนที่สว่างที่สุดที่ยังต้องเก็บรายละเอียดไว้ และตรวจดูฮิสโตแกรมทุกครั้ง</translation>
    </message>
    <message>
        <source>USING THE DOF AND LIGHTING PAGE

1. Choose your camera format first. It sets the circle of confusion and the crop factor used by every other result.
2. Enter the actual focal length of the lens and the f-ratio you intend to use, then the focus distance. The depth of field, hyperfocal distance, angle of view and the area covered at the subject and at the background follow at once.
3. Set the ISO of film or sensor and any filter on the lens; the effective ISO accounts for the filter&apos;s light loss.
4. Enter the guide number of each light in metres at ISO 100 and its power setting. The guide numbers at your effective ISO are shown beside them.
5. Choose the fill ratio with the fill slider: the program works out how far the fill light has to stand. Do the same for the hair light with its exposure slider.
6. Now either move the main-light distance slider, which sets the f-ratio, or type the f-ratio you want and press the update button, which moves the main light to the matching distance.

Reflector as fill: tick the reflector box to bounce the main light off a reflector instead of using a second flash. Enter the reflector&apos;s loss in stops; the reflector is assumed to stand as far from the main light as the main light stands from the subject. When no distance can give the ratio you asked for, the page says &quot;Not possible&quot;.

Ambient light: choose the kind of ambient light and an adjustment in stops; the page shows the shutter speed that would expose the ambient light correctly at your f-ratio and ISO. A slower speed brings more of the surroundings into a flash picture.

Background: choose what lights the background and how far it stands behind the subject. The background&apos;s exposure relative to the subject is shown in stops, and the square behind the portrait is shaded to match. Right-click the colour strip (or use Edit &gt; Change background colour) to pick your backdrop&apos;s colour.

Limits of the model: distances move in quarter-metre steps and results are rounded, so expect small differences from a flash meter. Light bouncing off walls and ceilings is ignored, as is any overlap of main and fill light on the subject. Treat the results as a starting point and confirm with a test exposure.</source>
        <translation>การใช้หน้าระยะชัดลึกและการจัดแสง

1. เลือกรูปแบบกล้องก่อน เพราะรูปแบบกล้องเป็นตัวกำหนดวงกลมแห่งความสับสน (CoC) และครอปแฟคเตอร์ที่ใช้ในการคำนวณผลลัพธ์อื่นทั้งหมด
2. ป้อนทางยาวโฟกัสจริงของเลนส์และค่า f ที่ตั้งใจจะใช้ แล้วป้อนระยะโฟกัส ระยะชัดลึก ระยะไฮเปอร์โฟกัส มุมรับภาพ และขนาดพื้นที่ที่ครอบคลุมที่ตัวแบบและที่ฉากหลังจะแสดงขึ้นทันที
3. ตั้งค่า ISO ของฟิล์มหรือเซนเซอร์ และฟิลเตอร์ที่ใส่หน้าเลนส์ (ถ้ามี) ค่า ISO ที่ใช้จริง (effective ISO) จะคิดรวมแสงที่สูญเสียไปกับฟิลเตอร์แล้ว
4. ป้อนไกด์นัมเบอร์ (GN) ของแฟลชแต่ละตัวเป็นเมตรที่ ISO 100 และระดับกำลังไฟที่ตั้งไว้ ไกด์นัมเบอร์ที่ค่า ISO ที่ใช้จริงจะแสดงอยู่ข้าง ๆ
5. เลือกอัตราส่วนไฟเสริมด้วยแถบเลื่อนไฟเสริม โปรแกรมจะคำนวณว่าต้องตั้งไฟเสริมห่างเท่าไร ทำแบบเดียวกันกับไฟผมด้วยแถบเลื่อนค่าแสงของไฟผม
6. จากนั้นจะเลื่อนแถบเลื่อนระยะไฟหลักซึ่งจะกำหนดค่า f ก็ได้ หรือจะพิมพ์ค่า f ที่ต้องการแล้วกดปุ่มอัปเดต ซึ่งจะย้ายไฟหลักไปยังระยะที่สอดคล้องกันก็ได้

แผ่นสะท้อนแสงแทนไฟเสริม: ทำเครื่องหมายที่ช่องแผ่นสะท้อนแสง เพื่อใช้แผ่นสะท้อนแสง (รีเฟล็กซ์) สะท้อนไฟหลักแทนการใช้แฟลชตัวที่สอง ป้อนแสงที่สูญเสียไปกับแผ่นสะท้อนแสงเป็นสต็อป โปรแกรมถือว่าแผ่นสะท้อนแสงตั้งห่างจากไฟหลักเท่ากับระยะที่ไฟหลักห่างจากตัวแบบ หากไม่มีระยะใดให้อัตราส่วนตามที่ต้องการได้ หน้านี้จะแสดงว่า &quot;ทำไม่ได้&quot;

แสงแวดล้อม: เลือกชนิดของแสงแวดล้อมและค่าปรับเป็นสต็อป หน้านี้จะแสดงความเร็วชัตเตอร์ที่ทำให้แสงแวดล้อมได้รับแสงพอดีที่ค่า f และ ISO ที่คุณใช้ ความเร็วชัตเตอร์ที่ช้าลงจะเก็บบรรยากาศรอบ ๆ เข้ามาในภาพที่ใช้แฟลชได้มากขึ้น

ฉากหลัง: เลือกแหล่งแสงที่ส่องฉากหลัง และระยะที่ฉากหลังอยู่ห่างไปด้านหลังตัวแบบ ค่าแสงของฉากหลังเทียบกับตัวแบบจะแสดงเป็นสต็อป และสี่เหลี่ยมด้านหลังภาพพอร์ตเทรตจะแสดงความเข้มให้ตรงกัน คลิกขวาที่แถบสี (หรือใช้เมนู แก้ไข &gt; เปลี่ยนสีฉากหลัง) เพื่อเลือกสีฉากหลังของคุณ

ข้อจำกัดของแบบจำลอง: ระยะจะเปลี่ยนทีละหนึ่งในสี่เมตร และผลลัพธ์ถูกปัดเศษ จึงอาจต่างจากเครื่องวัดแสงแฟลชเล็กน้อย โปรแกรมไม่คิดแสงที่สะท้อนจากผนังและเพดาน รวมทั้งการซ้อนทับกันของไฟหลักและไฟเสริมบนตัวแบบ ให้ถือว่าผลลัพธ์เป็นจุดเริ่มต้น แล้วยืนยันด้วยการถ่ายทดสอบ</translation>
    </message>
    <message>
        <source>Shutterly: questions, corrections and ideas are welcome on the project&apos;s web site.</source>
        <translation>Shutterly: ยินดีรับคำถาม ข้อแก้ไข และแนวคิดใหม่ ๆ ทางเว็บไซต์ของโครงการ</translation>
    </message>
    <message>
        <source>EXPOSURE VALUE (EV)

An exposure value names every combination of shutter time and f-ratio that lets the same amount of light reach the film or sensor. EV 0 is an exposure of 1 second at f/1.0 with ISO 100. Each step up halves the light: EV 1 is 1/2 second at f/1.0 or 1 second at f/1.4, and so on.

THE ADDITIVE SYSTEM: S + L = A + T

Each of the four things that decide an exposure gets a value on a scale of stops, and a correct exposure is one where Speed + Light = Aperture + Time.

Speed (S):    ISO 100 is 5; every doubling of the ISO adds 1 (ISO 200 is 6, ISO 400 is 7).
Light (L):    bright sunlight is 10; every halving of the light takes 1 away.
Aperture (A): f/1 is 0, f/1.4 is 1, f/2 is 2, f/4 is 4, f/8 is 6, f/16 is 8.
Time (T):     1 second is 0, 1/2 s is 1, 1/125 s is 7, 1/1000 s is 10.

The exposure value at ISO 100 is A + T, which is the same as L + 5. Bright sunlight at ISO 100 is therefore 15 EV: for example f/5.6 (A = 5) at 1/1000 s (T = 10).

A light twice as far away from the subject gives a quarter of the light on it, so its light value drops by 2.

TYPICAL LIGHT VALUES

Bright sunlight                          10
Hazy sunlight, soft shadows               9
Cloudy bright, no shadows                 8
Heavy overcast                            7
Open shade on a sunny day                 6
Bright indoor lighting                    5
Average indoor lighting                   4
Brightly lit street at night              3
Dim interior, home lighting at night      1 to 2
Floodlit buildings and monuments         -2 to 0
Candle light, subject near the flame     -2 to -5
Bright stars                             -7 to -8
Deep-sky objects (nebulae, galaxies)    -11 to -12

RECIPROCITY FAILURE OF FILM

Film grows less sensitive in long exposures, so the metered exposure has to be lengthened. Typical corrections (they differ from film to film; digital sensors do not need them):

Metered 1/10 s     add 0.5 stop
Metered 1 s        add 1 stop
Metered 10 s       add 1.5 to 2 stops
Metered 120 s      add 2.5 to 3 stops

ILLUMINANCE

Illuminance is the luminous flux falling on a unit of surface: lumens per square metre, called lux (one foot-candle, a lumen per square foot, is about 10.76 lux).

Inverse-square law: the illuminance from a point source falls with the square of the distance, E = I / d squared, where I is the intensity of the source in candela and d the distance in metres.

Cosine law: light that strikes a surface at an angle spreads over a larger area, so the illuminance is multiplied by the cosine of the angle between the light and the surface&apos;s perpendicular: E = I cos(angle) / d squared.
</source>
        <translation>ค่าการรับแสง (EV)

ค่าการรับแสง (EV) ใช้เรียกทุกชุดของความเร็วชัตเตอร์และค่า f ที่ให้แสงตกถึงฟิล์มหรือเซนเซอร์ในปริมาณเท่ากัน EV 0 คือการรับแสง 1 วินาทีที่ f/1.0 และ ISO 100 ค่าที่สูงขึ้นแต่ละขั้นจะลดแสงลงครึ่งหนึ่ง: EV 1 คือ 1/2 วินาทีที่ f/1.0 หรือ 1 วินาทีที่ f/1.4 เป็นต้น

ระบบบวก (Additive System): S + L = A + T

ปัจจัยทั้งสี่ที่กำหนดการรับแสงจะได้ค่าบนสเกลที่นับเป็นสต็อป และการรับแสงที่ถูกต้องคือเมื่อ Speed (ความไว) + Light (แสง) = Aperture (รูรับแสง) + Time (เวลา)

ความไว (S):  ISO 100 เท่ากับ 5 ทุกครั้งที่ ISO เพิ่มเป็นสองเท่าให้บวก 1 (ISO 200 เท่ากับ 6, ISO 400 เท่ากับ 7)
แสง (L):     แดดจัดเท่ากับ 10 ทุกครั้งที่แสงลดลงครึ่งหนึ่งให้ลบ 1
รูรับแสง (A):  f/1 เท่ากับ 0, f/1.4 เท่ากับ 1, f/2 เท่ากับ 2, f/4 เท่ากับ 4, f/8 เท่ากับ 6, f/16 เท่ากับ 8
เวลา (T):    1 วินาทีเท่ากับ 0, 1/2 s เท่ากับ 1, 1/125 s เท่ากับ 7, 1/1000 s เท่ากับ 10

ค่า EV ที่ ISO 100 คือ A + T ซึ่งเท่ากับ L + 5 ดังนั้นแดดจัดที่ ISO 100 จึงเท่ากับ 15 EV เช่น f/5.6 (A = 5) ที่ 1/1000 s (T = 10)

แหล่งแสงที่อยู่ห่างจากตัวแบบเป็นสองเท่าจะให้แสงตกบนตัวแบบเพียงหนึ่งในสี่ ค่าแสง (L) ของแหล่งแสงนั้นจึงลดลง 2

ค่าแสง (L) โดยทั่วไป

แดดจัด                                    10
แดดอ่อนมีหมอกบาง เงานุ่ม                      9
เมฆมากแต่สว่าง ไม่มีเงา                       8
ฟ้าครึ้มมาก                                  7
ในที่ร่มโล่งในวันที่แดดจัด                        6
แสงไฟในอาคารที่สว่าง                         5
แสงไฟในอาคารทั่วไป                          4
ถนนที่เปิดไฟสว่างยามค่ำคืน                      3
ในอาคารแสงน้อย ไฟในบ้านยามค่ำคืน              1 ถึง 2
อาคารและอนุสาวรีย์ที่เปิดไฟส่อง                 -2 ถึง 0
แสงเทียน ตัวแบบอยู่ใกล้เปลวไฟ                 -2 ถึง -5
ดาวฤกษ์ที่สว่าง                              -7 ถึง -8
วัตถุท้องฟ้าห้วงลึก (เนบิวลา กาแล็กซี)           -11 ถึง -12

ปรากฏการณ์ Reciprocity Failure ของฟิล์ม

ฟิล์มจะไวแสงน้อยลงเมื่อเปิดรับแสงนาน ๆ จึงต้องเพิ่มเวลารับแสงให้นานกว่าค่าที่วัดได้ ค่าชดเชยโดยทั่วไป (แตกต่างกันไปตามชนิดของฟิล์ม ส่วนเซนเซอร์ดิจิทัลไม่ต้องชดเชย):

วัดได้ 1/10 s        เพิ่ม 0.5 สต็อป
วัดได้ 1 s           เพิ่ม 1 สต็อป
วัดได้ 10 s          เพิ่ม 1.5 ถึง 2 สต็อป
วัดได้ 120 s         เพิ่ม 2.5 ถึง 3 สต็อป

ความสว่าง (Illuminance)

ความสว่างคือฟลักซ์การส่องสว่าง (luminous flux) ที่ตกกระทบพื้นที่หนึ่งหน่วย มีหน่วยเป็นลูเมนต่อตารางเมตร เรียกว่าลักซ์ (lux) (หนึ่งฟุตแคนเดิล คือหนึ่งลูเมนต่อตารางฟุต มีค่าประมาณ 10.76 ลักซ์)

กฎกำลังสองผกผัน (Inverse-square law): ความสว่างจากแหล่งกำเนิดแสงแบบจุดจะลดลงตามกำลังสองของระยะทาง E = I / d² โดย I คือความเข้มการส่องสว่างของแหล่งแสงเป็นแคนเดลา และ d คือระยะทางเป็นเมตร

กฎโคไซน์: แสงที่ตกกระทบพื้นผิวเป็นมุมเอียงจะกระจายไปบนพื้นที่ที่กว้างขึ้น ความสว่างจึงต้องคูณด้วยโคไซน์ของมุมระหว่างแนวแสงกับเส้นตั้งฉากของพื้นผิว: E = I cos(มุม) / d²
</translation>
    </message>
    <message>
        <source>MAGNIFICATION

Magnification is the size of the image on the film or sensor divided by the size of the subject. With extension tubes or bellows it is also the extension divided by the focal length of the lens: a 50 mm lens on 25 mm of extension gives 0.5x.

Life size (1:1) needs an extension equal to the focal length. The subject is then four focal lengths from the film (two in front of the lens, two behind it), and the exposure has to be increased by 2 stops.

EXPOSURE COMPENSATION

Extension spreads the light over a larger image, so less of it reaches each point. A meter behind the lens takes this into account; with a separate meter or flash add:

    stops = log[(f + extension) / f] / log(square root of 2)

DEPTH OF FIELD AT f/11

Depth of field at close range depends almost only on magnification and f-ratio, not on the focal length. Typical total ranges at f/11:

Magnification    Depth of field
0.1x             50 mm
0.2x             15 mm
0.5x             3 mm
1x               1 mm
2x               0.4 mm
3x               0.2 mm

Stopping down by two stops (from f/11 to f/22) doubles these ranges.
</source>
        <translation>อัตราขยาย

อัตราขยายคือขนาดของภาพบนฟิล์มหรือเซนเซอร์หารด้วยขนาดของวัตถุจริง เมื่อใช้ท่อต่อมาโคร (extension tube) หรือเบลโลว์ อัตราขยายยังเท่ากับระยะยืดหารด้วยทางยาวโฟกัสของเลนส์ด้วย เช่น เลนส์ 50 mm บนท่อต่อยาว 25 mm ให้อัตราขยาย 0.5x

ขนาดเท่าจริง (1:1) ต้องใช้ระยะยืดเท่ากับทางยาวโฟกัส วัตถุจะอยู่ห่างจากฟิล์มเป็นสี่เท่าของทางยาวโฟกัส (หน้าเลนส์สองเท่า หลังเลนส์สองเท่า) และต้องเพิ่มการรับแสงอีก 2 สต็อป

การชดเชยแสง

ระยะยืดทำให้แสงกระจายไปบนภาพที่ใหญ่ขึ้น แสงที่ตกถึงแต่ละจุดจึงน้อยลง เครื่องวัดแสงผ่านเลนส์ (TTL) จะคิดส่วนนี้ให้อยู่แล้ว แต่ถ้าใช้เครื่องวัดแสงแยกหรือใช้แฟลช ให้เพิ่มแสง:

    สต็อป = log[(f + ระยะยืด) / f] / log(√2)

ระยะชัดลึกที่ f/11

ที่ระยะใกล้ ระยะชัดลึกแทบจะขึ้นอยู่กับอัตราขยายและค่า f เท่านั้น ไม่ขึ้นกับทางยาวโฟกัส ระยะชัดลึกรวมโดยทั่วไปที่ f/11:

อัตราขยาย         ระยะชัดลึก
0.1x             50 mm
0.2x             15 mm
0.5x             3 mm
1x               1 mm
2x               0.4 mm
3x               0.2 mm

การหรี่รูรับแสงลงสองสต็อป (จาก f/11 เป็น f/22) จะทำให้ระยะเหล่านี้เพิ่มขึ้นเป็นสองเท่า
</translation>
    </message>
    <message>
        <source>METHODS OF PHOTOGRAPHING THROUGH A TELESCOPE

Prime focus: the camera body, without its lens, takes the place of the eyepiece. The telescope is the lens; its focal length and f-ratio are the effective ones.

Negative projection: as prime focus, with a Barlow lens in front of the camera body. The Barlow lens multiplies the focal length and the f-ratio by its factor.

Afocal method (also called digiscoping): the camera, with its own lens, looks through the telescope&apos;s eyepiece. The effective focal length is the camera&apos;s focal length times the telescope&apos;s magnification. The camera&apos;s aperture cannot use more light than leaves the eyepiece: it is limited by the telescope&apos;s exit pupil, which is the telescope&apos;s aperture divided by its magnification.

Positive projection: as negative projection, but with an eyepiece instead of the Barlow lens projecting the image onto the camera body.

ATMOSPHERIC EXTINCTION

Near the horizon the light passes through much more air and is dimmed. The loss is in magnitudes; the factor multiplies the film or sensor speed, so that ISO 400 at 5 degrees works like ISO 119:

Altitude   Loss (mag)   Factor on ISO
0.75 deg   8.78         0.00032
1 deg      6.58         0.0024
1.5 deg    4.39         0.018
2 deg      3.29         0.049
5 deg      1.32         0.298
10 deg     0.66         0.546
15 deg     0.44         0.671
20 deg     0.33         0.739

APPROXIMATE EXPOSURES AT f/8 AND ISO 400

Venus               1/4000 s
Jupiter             1/1000 s
Mars                1/125 s
Saturn              1/60 s
Galilean moons      1 s

Bracket generously: the planets&apos; brightness changes with their distance and phase, and the seeing and the height above the horizon change it further.
</source>
        <translation>วิธีถ่ายภาพผ่านกล้องโทรทรรศน์

ไพรม์โฟกัส (Prime focus): ใช้ตัวกล้องที่ถอดเลนส์ออกแล้วใส่แทนที่เลนส์ตา (eyepiece) กล้องโทรทรรศน์จึงทำหน้าที่เป็นเลนส์ ทางยาวโฟกัสและค่า f ของกล้องโทรทรรศน์คือค่าที่ใช้จริง

โปรเจกชันแบบเนกาทีฟ (Negative projection): เหมือนไพรม์โฟกัส แต่มีเลนส์บาร์โลว์อยู่หน้าตัวกล้อง เลนส์บาร์โลว์จะคูณทางยาวโฟกัสและค่า f ด้วยตัวคูณของเลนส์นั้น

วิธีอะโฟคัล (Afocal หรือเรียกอีกอย่างว่า digiscoping): กล้องถ่ายภาพพร้อมเลนส์ของตัวเองส่องผ่านเลนส์ตาของกล้องโทรทรรศน์ ทางยาวโฟกัสที่ใช้จริงคือทางยาวโฟกัสของกล้องถ่ายภาพคูณด้วยกำลังขยายของกล้องโทรทรรศน์ รูรับแสงของกล้องถ่ายภาพไม่สามารถใช้แสงได้มากกว่าแสงที่ออกจากเลนส์ตา จึงถูกจำกัดด้วยรูม่านตาทางออก (exit pupil) ของกล้องโทรทรรศน์ ซึ่งเท่ากับขนาดหน้ากล้อง (aperture) ของกล้องโทรทรรศน์หารด้วยกำลังขยาย

โปรเจกชันแบบโพซิทีฟ (Positive projection): เหมือนโปรเจกชันแบบเนกาทีฟ แต่ใช้เลนส์ตาแทนเลนส์บาร์โลว์ในการฉายภาพลงบนตัวกล้อง

การลดทอนแสงโดยบรรยากาศ

ใกล้ขอบฟ้า แสงต้องเดินทางผ่านอากาศหนากว่ามากจึงหรี่ลง แสงที่สูญเสียมีหน่วยเป็นแมกนิจูด ส่วนตัวคูณใช้คูณความไวแสงของฟิล์มหรือเซนเซอร์ ดังนั้น ISO 400 ที่มุมเงย 5 องศาจะให้ผลเหมือน ISO 119:

มุมเงย       ค่าที่สูญเสีย (mag)    ตัวคูณของ ISO
0.75 องศา   8.78              0.00032
1 องศา      6.58              0.0024
1.5 องศา    4.39              0.018
2 องศา      3.29              0.049
5 องศา      1.32              0.298
10 องศา     0.66              0.546
15 องศา     0.44              0.671
20 องศา     0.33              0.739

เวลาเปิดรับแสงโดยประมาณที่ f/8 และ ISO 400

ดาวศุกร์              1/4000 s
ดาวพฤหัสบดี           1/1000 s
ดาวอังคาร            1/125 s
ดาวเสาร์             1/60 s
ดวงจันทร์ของกาลิเลโอ   1 s

ถ่ายคร่อมแสง (bracketing) ให้กว้างเข้าไว้ เพราะความสว่างของดาวเคราะห์เปลี่ยนไปตามระยะห่างและเฟส และสภาพความนิ่งของบรรยากาศ (seeing) รวมถึงความสูงเหนือขอบฟ้าก็ยังทำให้เปลี่ยนไปอีก
</translation>
    </message>
</context>
<context>
    <name>DofPageView</name>
    <message>
        <source>Camera, lens and depth of field</source>
        <translation>กล้อง เลนส์ และระยะชัดลึก</translation>
    </message>
    <message>
        <source>Camera film/sensor size:</source>
        <translation>ขนาดฟิล์ม/เซนเซอร์ของกล้อง:</translation>
    </message>
    <message>
        <source>sensor width (mm): </source>
        <translation>ความกว้างเซนเซอร์ (mm): </translation>
    </message>
    <message>
        <source>height (mm):</source>
        <translation>ความสูง (mm):</translation>
    </message>
    <message>
        <source>Lens actual focal length (mm):</source>
        <translation>ทางยาวโฟกัสจริงของเลนส์ (mm):</translation>
    </message>
    <message>
        <source>F/ratio:</source>
        <translation>ค่า f:</translation>
    </message>
    <message>
        <source>Focus distance (m):</source>
        <translation>ระยะโฟกัส (m):</translation>
    </message>
    <message>
        <source>ISO setting:</source>
        <translation>ค่า ISO:</translation>
    </message>
    <message>
        <source>Lens filter:</source>
        <translation>ฟิลเตอร์หน้าเลนส์:</translation>
    </message>
    <message>
        <source>Effective ISO:</source>
        <translation>ISO ที่ได้จริง:</translation>
    </message>
    <message>
        <source>Circle of confusion (µm):</source>
        <translation>วงกลมแห่งความสับสน (µm):</translation>
    </message>
    <message>
        <source>Equiv. 35mm crop factor:</source>
        <translation>ครอปแฟคเตอร์ (เทียบ 35mm):</translation>
    </message>
    <message>
        <source>35mm equiv. fl (mm)</source>
        <translation>ทางยาวโฟกัสเทียบ 35mm (mm)</translation>
    </message>
    <message>
        <source>Angle of view:</source>
        <translation>มุมรับภาพ:</translation>
    </message>
    <message>
        <source>Subject size:</source>
        <translation>ขนาดตัวแบบ:</translation>
    </message>
    <message>
        <source>background size on film:</source>
        <translation>ขนาดฉากหลังบนฟิล์ม:</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>ระยะชัดลึก</translation>
    </message>
    <message>
        <source>Hyperfocal distance (m):</source>
        <translation>ระยะไฮเปอร์โฟกัส (m):</translation>
    </message>
    <message>
        <source>All should be sharp from:</source>
        <translation>ชัดทั้งหมดตั้งแต่:</translation>
    </message>
    <message>
        <source>Near DOF:</source>
        <translation>ระยะชัดใกล้สุด:</translation>
    </message>
    <message>
        <source>Far DOF:</source>
        <translation>ระยะชัดไกลสุด:</translation>
    </message>
    <message>
        <source>DOF range (m):</source>
        <translation>ช่วงระยะชัดลึก (m):</translation>
    </message>
    <message>
        <source>at ISO:</source>
        <translation>ที่ ISO:</translation>
    </message>
    <message>
        <source>Effective GN (m)  at ISO 100:</source>
        <translation>GN ที่ได้จริง (m)  ที่ ISO 100:</translation>
    </message>
    <message>
        <source>Power setting:</source>
        <translation>กำลังแฟลช:</translation>
    </message>
    <message>
        <source>88.75 metres</source>
        <translation>88.75 เมตร</translation>
    </message>
    <message>
        <source>-10.5 stops</source>
        <translation>-10.5 สต็อป</translation>
    </message>
    <message>
        <source>Not possible</source>
        <translation>ทำไม่ได้</translation>
    </message>
    <message>
        <source>Main light</source>
        <translation>ไฟหลัก</translation>
    </message>
    <message>
        <source>Set distance and f ratio and all related settings will be calculated</source>
        <translation>ตั้งระยะและค่า f แล้วค่าที่เกี่ยวข้องทั้งหมดจะคำนวณให้</translation>
    </message>
    <message>
        <source>Distance to subject:</source>
        <translation>ระยะถึงตัวแบบ:</translation>
    </message>
    <message>
        <source>Fill light</source>
        <translation>ไฟเสริม</translation>
    </message>
    <message>
        <source>Set fill ratio and distance will be calculated</source>
        <translation>ตั้งอัตราส่วนไฟเสริม แล้วระยะจะคำนวณให้</translation>
    </message>
    <message>
        <source>Reflector from Main as the fill</source>
        <translation>ใช้รีเฟล็กซ์รับไฟหลักเป็นไฟเสริม</translation>
    </message>
    <message>
        <source>Fill ratio:</source>
        <translation>อัตราส่วนไฟเสริม:</translation>
    </message>
    <message>
        <source>Fill meter reading f/</source>
        <translation>ค่าวัดแสงไฟเสริม f/</translation>
    </message>
    <message>
        <source>Hair light</source>
        <translation>ไฟผม</translation>
    </message>
    <message>
        <source>Set hair exposure then the distance to achieve this will be calculated</source>
        <translation>ตั้งค่าแสงของไฟผม แล้วระยะที่ต้องใช้จะคำนวณให้</translation>
    </message>
    <message>
        <source>Hair exposure:</source>
        <translation>ค่าแสงไฟผม:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>ระยะ:</translation>
    </message>
    <message>
        <source>Hair meter reading f/</source>
        <translation>ค่าวัดแสงไฟผม f/</translation>
    </message>
    <message>
        <source>Background and ambient light</source>
        <translation>ฉากหลังและแสงแวดล้อม</translation>
    </message>
    <message>
        <source>background lit by:</source>
        <translation>ฉากหลังได้แสงจาก:</translation>
    </message>
    <message>
        <source>Light to background:</source>
        <translation>ระยะไฟถึงฉากหลัง:</translation>
    </message>
    <message>
        <source>Subject to background:</source>
        <translation>ระยะตัวแบบถึงฉากหลัง:</translation>
    </message>
    <message>
        <source>Background exposure:</source>
        <translation>ค่าแสงฉากหลัง:</translation>
    </message>
    <message>
        <source>Background colour:</source>
        <translation>สีฉากหลัง:</translation>
    </message>
    <message>
        <source>Ambient light:</source>
        <translation>แสงแวดล้อม:</translation>
    </message>
    <message>
        <source>Ambient adjustment:</source>
        <translation>ปรับแสงแวดล้อม:</translation>
    </message>
    <message>
        <source>Ambient shutter speed:</source>
        <translation>ชัตเตอร์ตามแสงแวดล้อม:</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>ตัวแบบ</translation>
    </message>
    <message>
        <source>NB. currently these calculations assume no overlap between fill and main lights on subject</source>
        <translation>หมายเหตุ: ขณะนี้การคำนวณถือว่าไฟหลักและไฟเสริมไม่ซ้อนทับกันบนตัวแบบ</translation>
    </message>
</context>
<context>
    <name>ExposurePageView</name>
    <message>
        <source>Determine EV at ISO 100</source>
        <translation>หาค่า EV ที่ ISO 100</translation>
    </message>
    <message>
        <source>Shutter speed:</source>
        <translation>ความเร็วชัตเตอร์:</translation>
    </message>
    <message>
        <source>f/ratio you wish to use:</source>
        <translation>ค่า f ที่ต้องการ:</translation>
    </message>
    <message>
        <source>ISO setting:</source>
        <translation>ค่า ISO:</translation>
    </message>
    <message>
        <source>exposure value:</source>
        <translation>ค่า EV:</translation>
    </message>
    <message>
        <source>S+L=A+T system:        Time: </source>
        <translation>ระบบ S+L=A+T:        เวลา: </translation>
    </message>
    <message>
        <source>+      Aperture: </source>
        <translation>+      รูรับแสง: </translation>
    </message>
    <message>
        <source>=       Speed:</source>
        <translation>=       ความไวแสง:</translation>
    </message>
    <message>
        <source>+       Light value: </source>
        <translation>+       ค่าแสง: </translation>
    </message>
    <message>
        <source>Determine exposure settings given an ambient Light value:</source>
        <translation>หาการตั้งค่ารับแสงจากค่าแสง (LV) ของแสงแวดล้อม:</translation>
    </message>
    <message>
        <source>ambient light LV:</source>
        <translation>ค่า LV ของแสงแวดล้อม:</translation>
    </message>
    <message>
        <source>shutter speed to use:</source>
        <translation>ความเร็วชัตเตอร์ที่ต้องใช้:</translation>
    </message>
    <message>
        <source>or, shutter speed you wish to use:</source>
        <translation>หรือความเร็วชัตเตอร์ที่ต้องการ:</translation>
    </message>
    <message>
        <source>f/ratio to use:</source>
        <translation>ค่า f ที่ต้องใช้:</translation>
    </message>
    <message>
        <source>NB. the above DO NOT take into account reciprocity failure of films which effects exposures longer than 1/10th sec  but this is not an issue with digital cameras</source>
        <translation>หมายเหตุ: ค่าข้างต้นไม่ได้คิดรวม reciprocity failure ของฟิล์ม ซึ่งมีผลกับการเปิดรับแสงนานกว่า 1/10 วินาที แต่ไม่เป็นปัญหากับกล้องดิจิทัล</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>focal length</source>
        <translation>ทางยาวโฟกัส</translation>
    </message>
    <message>
        <source>f-ratio</source>
        <translation>ค่า f</translation>
    </message>
    <message>
        <source>focus distance</source>
        <translation>ระยะโฟกัส</translation>
    </message>
    <message>
        <source>main light&apos;s guide number</source>
        <translation>ไกด์นัมเบอร์ของไฟหลัก</translation>
    </message>
    <message>
        <source>fill light&apos;s guide number</source>
        <translation>ไกด์นัมเบอร์ของไฟเสริม</translation>
    </message>
    <message>
        <source>hair light&apos;s guide number</source>
        <translation>ไกด์นัมเบอร์ของไฟผม</translation>
    </message>
    <message>
        <source>background light&apos;s guide number</source>
        <translation>ไกด์นัมเบอร์ของไฟฉากหลัง</translation>
    </message>
    <message>
        <source>reflector loss</source>
        <translation>แสงที่เสียไปจากรีเฟล็กซ์</translation>
    </message>
    <message>
        <source>guide number</source>
        <translation>ไกด์นัมเบอร์</translation>
    </message>
    <message>
        <source>flash distance</source>
        <translation>ระยะแฟลช</translation>
    </message>
    <message>
        <source>exposure value</source>
        <translation>ค่า EV</translation>
    </message>
    <message>
        <source>extension</source>
        <translation>ความยาวท่อต่อเลนส์</translation>
    </message>
    <message>
        <source>telescope focal length</source>
        <translation>ทางยาวโฟกัสของกล้องโทรทรรศน์</translation>
    </message>
    <message>
        <source>aperture diameter</source>
        <translation>ขนาดหน้ากล้อง</translation>
    </message>
    <message>
        <source>eyepiece focal length</source>
        <translation>ทางยาวโฟกัสของเลนส์ตา</translation>
    </message>
    <message>
        <source>camera focal length</source>
        <translation>ทางยาวโฟกัสของเลนส์กล้อง</translation>
    </message>
    <message>
        <source>camera lens f-ratio</source>
        <translation>ค่า f ของเลนส์กล้อง</translation>
    </message>
    <message>
        <source>effective focal length</source>
        <translation>ทางยาวโฟกัสรวม</translation>
    </message>
    <message>
        <source>image width</source>
        <translation>ความกว้างภาพ</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> พิกเซล</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>เดคลิเนชัน</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> องศา</translation>
    </message>
    <message>
        <source>air temperature</source>
        <translation>อุณหภูมิอากาศ</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>ความชื้นสัมพัทธ์</translation>
    </message>
    <message>
        <source>wind speed</source>
        <translation>ความเร็วลม</translation>
    </message>
    <message>
        <source>sun elevation</source>
        <translation>มุมเงยของดวงอาทิตย์</translation>
    </message>
    <message>
        <source>solar correction factor</source>
        <translation>ตัวคูณปรับแก้แสงแดด</translation>
    </message>
</context>
<context>
    <name>JewishMonths</name>
    <message>
        <source>Tishri</source>
        <translation>ทิชรี</translation>
    </message>
    <message>
        <source>Heshvan</source>
        <translation>เฮชวาน</translation>
    </message>
    <message>
        <source>Kislev</source>
        <translation>คิสเลฟ</translation>
    </message>
    <message>
        <source>Tevet</source>
        <translation>เทเวท</translation>
    </message>
    <message>
        <source>Shevat</source>
        <translation>เชวัท</translation>
    </message>
    <message>
        <source>Adar</source>
        <translation>อาดาร์</translation>
    </message>
    <message>
        <source>Adar I</source>
        <translation>อาดาร์ 1</translation>
    </message>
    <message>
        <source>Adar II</source>
        <translation>อาดาร์ 2</translation>
    </message>
    <message>
        <source>Nisan</source>
        <translation>นิสาน</translation>
    </message>
    <message>
        <source>Iyar</source>
        <translation>อิยาร์</translation>
    </message>
    <message>
        <source>Sivan</source>
        <translation>สิวัน</translation>
    </message>
    <message>
        <source>Tammuz</source>
        <translation>ทัมมุซ</translation>
    </message>
    <message>
        <source>Av</source>
        <translation>อัฟ</translation>
    </message>
    <message>
        <source>Elul</source>
        <translation>เอลุล</translation>
    </message>
</context>
<context>
    <name>MacroPageView</name>
    <message>
        <source>Determine magnification and manual exposure compensation: </source>
        <translation>หากำลังขยายและการชดเชยแสงแบบแมนนวล: </translation>
    </message>
    <message>
        <source>lens focal length:</source>
        <translation>ทางยาวโฟกัสเลนส์:</translation>
    </message>
    <message>
        <source>Length of extension tubes or bellows (mm):</source>
        <translation>ความยาวท่อต่อเลนส์หรือเบลโลว์ (mm):</translation>
    </message>
    <message>
        <source>=&gt; magnification:</source>
        <translation>=&gt; กำลังขยาย:</translation>
    </message>
    <message>
        <source>=&gt; exposure compensation required:</source>
        <translation>=&gt; ต้องชดเชยแสง:</translation>
    </message>
</context>
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
        <translation>ใช้ &quot;%1&quot; เป็นตัวคั่นทศนิยม</translation>
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
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ไม่ใช่ตัวเลขที่ถูกต้อง</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ไม่ใช่จำนวนเต็มที่ถูกต้อง</translation>
    </message>
    <message>
        <source>Place data: %1</source>
        <translation>ข้อมูลสถานที่: %1</translation>
    </message>
</context>
<context>
    <name>PhotoValues</name>
    <message>
        <source>Exposure time cannot be zero</source>
        <translation>เวลาเปิดรับแสงเป็นศูนย์ไม่ได้</translation>
    </message>
    <message>
        <source>F ratio cannot be zero</source>
        <translation>ค่า f เป็นศูนย์ไม่ได้</translation>
    </message>
    <message>
        <source>ISO cannot be zero</source>
        <translation>ISO เป็นศูนย์ไม่ได้</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>ศูนย์</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 วินาที</translation>
    </message>
    <message>
        <source>1/%1 sec</source>
        <translation>1/%1 วินาที</translation>
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
    <name>ShutterSpeeds</name>
    <message>
        <source>Item index = %1</source>
        <translation>ลำดับรายการ = %1</translation>
    </message>
    <message>
        <source>1/4000th</source>
        <translation>1/4000 วินาที</translation>
    </message>
    <message>
        <source>1/3200th</source>
        <translation>1/3200 วินาที</translation>
    </message>
    <message>
        <source>1/2500th</source>
        <translation>1/2500 วินาที</translation>
    </message>
    <message>
        <source>1/2000th</source>
        <translation>1/2000 วินาที</translation>
    </message>
    <message>
        <source>1/1600th</source>
        <translation>1/1600 วินาที</translation>
    </message>
    <message>
        <source>1/1250th</source>
        <translation>1/1250 วินาที</translation>
    </message>
    <message>
        <source>1/1000th</source>
        <translation>1/1000 วินาที</translation>
    </message>
    <message>
        <source>1/800th</source>
        <translation>1/800 วินาที</translation>
    </message>
    <message>
        <source>1/640th</source>
        <translation>1/640 วินาที</translation>
    </message>
    <message>
        <source>1/500th</source>
        <translation>1/500 วินาที</translation>
    </message>
    <message>
        <source>1/400th</source>
        <translation>1/400 วินาที</translation>
    </message>
    <message>
        <source>1/320th</source>
        <translation>1/320 วินาที</translation>
    </message>
    <message>
        <source>1/250th</source>
        <translation>1/250 วินาที</translation>
    </message>
    <message>
        <source>1/200th</source>
        <translation>1/200 วินาที</translation>
    </message>
    <message>
        <source>1/160th</source>
        <translation>1/160 วินาที</translation>
    </message>
    <message>
        <source>1/125th</source>
        <translation>1/125 วินาที</translation>
    </message>
    <message>
        <source>1/100th</source>
        <translation>1/100 วินาที</translation>
    </message>
    <message>
        <source>1/80th</source>
        <translation>1/80 วินาที</translation>
    </message>
    <message>
        <source>1/60th</source>
        <translation>1/60 วินาที</translation>
    </message>
    <message>
        <source>1/50th</source>
        <translation>1/50 วินาที</translation>
    </message>
    <message>
        <source>1/40th</source>
        <translation>1/40 วินาที</translation>
    </message>
    <message>
        <source>1/30th</source>
        <translation>1/30 วินาที</translation>
    </message>
    <message>
        <source>1/25th</source>
        <translation>1/25 วินาที</translation>
    </message>
    <message>
        <source>1/20th</source>
        <translation>1/20 วินาที</translation>
    </message>
    <message>
        <source>1/15th</source>
        <translation>1/15 วินาที</translation>
    </message>
    <message>
        <source>1/13th</source>
        <translation>1/13 วินาที</translation>
    </message>
    <message>
        <source>1/10th</source>
        <translation>1/10 วินาที</translation>
    </message>
    <message>
        <source>1/8th</source>
        <translation>1/8 วินาที</translation>
    </message>
    <message>
        <source>1/6th</source>
        <translation>1/6 วินาที</translation>
    </message>
    <message>
        <source>1/5th</source>
        <translation>1/5 วินาที</translation>
    </message>
    <message>
        <source>1/4th</source>
        <translation>1/4 วินาที</translation>
    </message>
    <message>
        <source>1/3rd</source>
        <translation>1/3 วินาที</translation>
    </message>
    <message>
        <source>1 sec</source>
        <translation>1 วินาที</translation>
    </message>
    <message>
        <source>1.3 sec</source>
        <translation>1.3 วินาที</translation>
    </message>
    <message>
        <source>1.6 sec</source>
        <translation>1.6 วินาที</translation>
    </message>
    <message>
        <source>2 sec</source>
        <translation>2 วินาที</translation>
    </message>
    <message>
        <source>2.5 sec</source>
        <translation>2.5 วินาที</translation>
    </message>
    <message>
        <source>3.2 sec</source>
        <translation>3.2 วินาที</translation>
    </message>
    <message>
        <source>4 sec</source>
        <translation>4 วินาที</translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation>5 วินาที</translation>
    </message>
    <message>
        <source>6 sec</source>
        <translation>6 วินาที</translation>
    </message>
    <message>
        <source>8 sec</source>
        <translation>8 วินาที</translation>
    </message>
    <message>
        <source>10 sec</source>
        <translation>10 วินาที</translation>
    </message>
    <message>
        <source>13 sec</source>
        <translation>13 วินาที</translation>
    </message>
    <message>
        <source>15 sec</source>
        <translation>15 วินาที</translation>
    </message>
    <message>
        <source>30 sec</source>
        <translation>30 วินาที</translation>
    </message>
    <message>
        <source>60 sec</source>
        <translation>60 วินาที</translation>
    </message>
    <message>
        <source>120 sec</source>
        <translation>120 วินาที</translation>
    </message>
    <message>
        <source>180 sec</source>
        <translation>180 วินาที</translation>
    </message>
    <message>
        <source>240 sec</source>
        <translation>240 วินาที</translation>
    </message>
</context>
<context>
    <name>SunPageView</name>
    <message>
        <source>North</source>
        <translation>เหนือ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ตะวันตก</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ตะวันออก</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ใต้</translation>
    </message>
    <message>
        <source>Model comfort:</source>
        <translation>ความสบายของนายแบบ/นางแบบ:</translation>
    </message>
    <message>
        <source>Air temperature:</source>
        <translation>อุณหภูมิอากาศ:</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Relative humidity:</source>
        <translation>ความชื้นสัมพัทธ์:</translation>
    </message>
    <message>
        <source>Wind speed:</source>
        <translation>ความเร็วลม:</translation>
    </message>
    <message>
        <source>km/hour</source>
        <translation>กม./ชม.</translation>
    </message>
    <message>
        <source>Sun elevation:</source>
        <translation>มุมเงยดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>องศา</translation>
    </message>
    <message>
        <source>Use calculated</source>
        <translation>ใช้ค่าที่คำนวณได้</translation>
    </message>
    <message>
        <source>Solar correction factor:</source>
        <translation>ตัวคูณปรับแก้แสงแดด:</translation>
    </message>
    <message>
        <source>Apparent temperature:</source>
        <translation>อุณหภูมิที่รู้สึกได้:</translation>
    </message>
    <message>
        <source>in the shade:</source>
        <translation>ในที่ร่ม:</translation>
    </message>
    <message>
        <source>in the sun:</source>
        <translation>กลางแดด:</translation>
    </message>
</context>
<context>
    <name>TAstroPage</name>
    <message>
        <source>this should be in 35mm equivalent terms to get the equivalent magnification</source>
        <translation>ควรใส่เป็นค่าเทียบเท่า 35mm เพื่อให้ได้กำลังขยายเทียบเท่า</translation>
    </message>
    <message>
        <source>the f/ratio will be the smallest of either exit pupil or the camera aperture; effective fl and magnification equate to 35mm film size</source>
        <translation>ค่า f จะขึ้นกับค่าที่เล็กกว่าระหว่างรูม่านตาออก (exit pupil) กับรูรับแสงของกล้อง ส่วนทางยาวโฟกัสรวมและกำลังขยายคิดเทียบกับฟิล์ม 35mm</translation>
    </message>
    <message>
        <source>the image&apos;s width in pixels: with the sensor width of the first page it gives the pixel pitch</source>
        <translation>ความกว้างของภาพเป็นพิกเซล เมื่อใช้คู่กับความกว้างเซนเซอร์ในหน้าแรกจะได้ระยะห่างพิกเซล (pixel pitch)</translation>
    </message>
    <message>
        <source>the declination the camera is aimed at, in degrees; 0 for the celestial equator, where the stars move fastest</source>
        <translation>เดคลิเนชันที่กล้องเล็งไป หน่วยเป็นองศา ใส่ 0 สำหรับเส้นศูนย์สูตรฟ้า ซึ่งดาวเคลื่อนที่เร็วที่สุด</translation>
    </message>
    <message>
        <source>500 / (focal length x crop factor of the first page&apos;s camera format)</source>
        <translation>500 / (ทางยาวโฟกัส x ครอปแฟคเตอร์ของฟอร์แมตกล้องในหน้าแรก)</translation>
    </message>
    <message>
        <source>(35 x f-ratio + 30 x pixel pitch in micrometres) / focal length</source>
        <translation>(35 x ค่า f + 30 x ระยะห่างพิกเซลเป็นไมโครเมตร) / ทางยาวโฟกัส</translation>
    </message>
    <message>
        <source>Dawe&apos;s limit of resolving power for this aperture = %1 arc seconds (compared to naked eye approx. 18 arc seconds, but note that atmosphere disturbances usually limit this to 1 to 4 arc seconds at best)</source>
        <translation>ขีดจำกัดการแยกภาพของดอวส์สำหรับหน้ากล้องนี้ = %1 ฟิลิปดา (ตาเปล่าราว 18 ฟิลิปดา แต่ความปั่นป่วนของบรรยากาศมักจำกัดไว้ที่ 1 ถึง 4 ฟิลิปดาเป็นอย่างดีที่สุด)</translation>
    </message>
    <message>
        <source>Light gathering power compared to naked eye = %1 times</source>
        <translation>ความสามารถในการรวมแสงเทียบกับตาเปล่า = %1 เท่า</translation>
    </message>
    <message>
        <source>Visual limiting magnitude = %1  (photographic limiting magnitude usually 2-3 magnitudes less depending on exposure)</source>
        <translation>โชติมาตรจำกัดเมื่อดูด้วยตา = %1  (โชติมาตรจำกัดในการถ่ายภาพมักน้อยกว่า 2-3 โชติมาตร ขึ้นกับการเปิดรับแสง)</translation>
    </message>
    <message>
        <source>Prime focus f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x </source>
        <translation>ค่า f ที่ไพรม์โฟกัส = f/%1 ทางยาวโฟกัสรวม = %2mm จึงได้กำลังขยาย = %3x </translation>
    </message>
    <message>
        <source>Negative projection f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x </source>
        <translation>ค่า f แบบเนกาทีฟโปรเจกชัน = f/%1 ทางยาวโฟกัสรวม = %2mm จึงได้กำลังขยาย = %3x </translation>
    </message>
    <message>
        <source>Afocal method not being used, need to give values for eyepiece and camera lens focal lengths</source>
        <translation>ไม่ได้ใช้วิธีอะโฟคอล ต้องใส่ทางยาวโฟกัสของเลนส์ตาและเลนส์กล้อง</translation>
    </message>
    <message>
        <source>Afocal method f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x </source>
        <translation>ค่า f วิธีอะโฟคอล = f/%1 ทางยาวโฟกัสรวม = %2mm จึงได้กำลังขยาย = %3x </translation>
    </message>
    <message>
        <source>Telescope exit pupil = %1mm Visual telescope magnification = %2x </source>
        <translation>รูม่านตาออกของกล้องโทรทรรศน์ = %1mm กำลังขยายเมื่อส่องด้วยตา = %2x </translation>
    </message>
</context>
<context>
    <name>TConversionsPage</name>
    <message>
        <source>meters</source>
        <translation>เมตร</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>ฟุต</translation>
    </message>
    <message>
        <source>takes into account ISO, filter, and power setting</source>
        <translation>คิดรวม ISO ฟิลเตอร์ และกำลังแฟลชแล้ว</translation>
    </message>
    <message>
        <source>No filter needed</source>
        <translation>ไม่ต้องใช้ฟิลเตอร์</translation>
    </message>
    <message>
        <source>%1 filter exposure compensation = %2stops</source>
        <extracomment>%1 lists the filters and their tint, such as &quot; 81D + 81C (yellowish)&quot;; %2 is a number.</extracomment>
        <translation>ฟิลเตอร์%1 ชดเชยแสง = %2 สต็อป</translation>
    </message>
    <message>
        <source>N/A - no value assigned to distance</source>
        <translation>ไม่มีค่า - ยังไม่ได้ใส่ระยะ</translation>
    </message>
    <message>
        <source>N/A - no value assigned to f/ratio</source>
        <translation>ไม่มีค่า - ยังไม่ได้ใส่ค่า f</translation>
    </message>
    <message>
        <source>Mired shift</source>
        <translation>ค่าเลื่อน Mired</translation>
    </message>
</context>
<context>
    <name>TDofPage</name>
    <message>
        <source>custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>6x7 medium format</source>
        <translation>มีเดียมฟอร์แมต 6x7</translation>
    </message>
    <message>
        <source>6x6 medium format</source>
        <translation>มีเดียมฟอร์แมต 6x6</translation>
    </message>
    <message>
        <source>645 medium format</source>
        <translation>มีเดียมฟอร์แมต 645</translation>
    </message>
    <message>
        <source>35mm film, digital full frame</source>
        <translation>ฟิล์ม 35mm, ดิจิทัลฟูลเฟรม</translation>
    </message>
    <message>
        <source>1.3x crop Canon 1D / Leica</source>
        <translation>ครอป 1.3x Canon 1D / Leica</translation>
    </message>
    <message>
        <source>Olympus E series (4/3rds format)</source>
        <translation>Olympus ซีรีส์ E (ฟอร์แมต 4/3)</translation>
    </message>
    <message>
        <source>8 mpixel prosumer (2/3&quot;)</source>
        <translation>โปรซูมเมอร์ 8 ล้านพิกเซล (2/3&quot;)</translation>
    </message>
    <message>
        <source>1/1.8&quot; digital (most non-SLR)</source>
        <translation>ดิจิทัล 1/1.8&quot; (กล้องที่ไม่ใช่ SLR ส่วนใหญ่)</translation>
    </message>
    <message>
        <source>1/2.5&quot; digital (eg. Pan. FZ20)</source>
        <translation>ดิจิทัล 1/2.5&quot; (เช่น Pan. FZ20)</translation>
    </message>
    <message>
        <source>37x37 digital back for H&apos;blad</source>
        <translation>ดิจิทัลแบ็ก 37x37 สำหรับ H&apos;blad</translation>
    </message>
    <message>
        <source>48x36 digital back for Mamiya</source>
        <translation>ดิจิทัลแบ็ก 48x36 สำหรับ Mamiya</translation>
    </message>
    <message>
        <source>Sigma Foveon (SD9, SD10, etc)</source>
        <translation>Sigma Foveon (SD9, SD10 ฯลฯ)</translation>
    </message>
    <message>
        <source>based on ratio of film widths</source>
        <translation>คิดจากอัตราส่วนความกว้างของฟิล์ม/เซนเซอร์</translation>
    </message>
    <message>
        <source>lens angle of view for the sensor width</source>
        <translation>มุมรับภาพของเลนส์ตามความกว้างเซนเซอร์</translation>
    </message>
    <message>
        <source>if set focus to hyperfocal distance, all should be sharp from this distance to infinity</source>
        <translation>ถ้าตั้งโฟกัสที่ระยะไฮเปอร์โฟกัส ทุกอย่างควรคมชัดตั้งแต่ระยะนี้ไปจนถึงระยะอนันต์</translation>
    </message>
    <message>
        <source>subject size given focal length and focus distance</source>
        <translation>ขนาดพื้นที่ที่ถ่ายได้ตามทางยาวโฟกัสและระยะโฟกัส</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 องศา</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>อนันต์</translation>
    </message>
    <message>
        <source>%1m wide x %2m high</source>
        <translation>กว้าง %1m x สูง %2m</translation>
    </message>
    <message>
        <source>%1m w x %2m h</source>
        <extracomment>w and h: width and height of the area the frame takes in at the background.</extracomment>
        <translation>กว้าง %1m x สูง %2m</translation>
    </message>
</context>
<context>
    <name>TExposurePage</name>
    <message>
        <source>F ratio must be greater than zero!</source>
        <translation>ค่า f ต้องมากกว่าศูนย์!</translation>
    </message>
    <message>
        <source>SLAT aperture value</source>
        <translation>ค่ารูรับแสง SLAT</translation>
    </message>
    <message>
        <source>SLAT Time value</source>
        <translation>ค่าเวลา SLAT</translation>
    </message>
    <message>
        <source>SLAT Speed value</source>
        <translation>ค่าความไวแสง SLAT</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Hints</source>
        <translation>คำแนะนำ</translation>
    </message>
    <message>
        <source>Background colour - right click to change this</source>
        <translation>สีฉากหลัง - คลิกขวาเพื่อเปลี่ยน</translation>
    </message>
    <message>
        <source>&amp;DOF and lighting calculator</source>
        <translation>ระยะชัดลึกและแสง (&amp;D)</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>แปลงค่า</translation>
    </message>
    <message>
        <source>S+L=A+T and EV Exposure</source>
        <translation>S+L=A+T และ EV</translation>
    </message>
    <message>
        <source>Zone System</source>
        <translation>ระบบโซน</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>มาโคร</translation>
    </message>
    <message>
        <source>&amp;Astrophotography</source>
        <translation>ถ่ายภาพดาราศาสตร์ (&amp;A)</translation>
    </message>
    <message>
        <source>Sun, Moon, and model comfort</source>
        <translation>อาทิตย์ จันทร์ และความสบายของแบบ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้ (&amp;H)</translation>
    </message>
    <message>
        <source>Sun and Moon position</source>
        <translation>ตำแหน่งดวงอาทิตย์และดวงจันทร์</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>พิมพ์... (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>ตั้งค่าการพิมพ์... (&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ออก (&amp;X)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง (&amp;P)</translation>
    </message>
    <message>
        <source>Change background colour</source>
        <translation>เปลี่ยนสีฉากหลัง</translation>
    </message>
    <message>
        <source>Change colour</source>
        <translation>เปลี่ยนสี</translation>
    </message>
    <message>
        <source>Visit the Shutterly web site</source>
        <translation>ไปที่เว็บไซต์ Shutterly</translation>
    </message>
</context>
<context>
    <name>TLightingPage</name>
    <message>
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Polariser (2.5 stops)</source>
        <translation>ฟิลเตอร์โพลาไรซ์ (2.5 สต็อป)</translation>
    </message>
    <message>
        <source>ND 2x (1 stop)</source>
        <translation>ND 2x (1 สต็อป)</translation>
    </message>
    <message>
        <source>ND 4x (2 stops)</source>
        <translation>ND 4x (2 สต็อป)</translation>
    </message>
    <message>
        <source>ND 6x (2.5 stops)</source>
        <translation>ND 6x (2.5 สต็อป)</translation>
    </message>
    <message>
        <source>ND 8x (3 stops)</source>
        <translation>ND 8x (3 สต็อป)</translation>
    </message>
    <message>
        <source>Background light</source>
        <translation>ไฟฉากหลัง</translation>
    </message>
    <message>
        <source>Main light</source>
        <translation>ไฟหลัก</translation>
    </message>
    <message>
        <source>Fill light</source>
        <translation>ไฟเสริม</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>แสงแวดล้อม</translation>
    </message>
    <message>
        <source>Bright sunlight (LV10)</source>
        <translation>แดดจ้า (LV10)</translation>
    </message>
    <message>
        <source>EV 14 (LV9)</source>
        <translation>EV 14 (LV9)</translation>
    </message>
    <message>
        <source>EV 13 (LV8)</source>
        <translation>EV 13 (LV8)</translation>
    </message>
    <message>
        <source>Bright blue sky (LV7)</source>
        <translation>ท้องฟ้าสีฟ้าสว่าง (LV7)</translation>
    </message>
    <message>
        <source>EV 11 (LV 6)</source>
        <translation>EV 11 (LV 6)</translation>
    </message>
    <message>
        <source>Bright indoor (LV5)</source>
        <translation>ในอาคารที่สว่าง (LV5)</translation>
    </message>
    <message>
        <source>Average indoor (LV4)</source>
        <translation>ในอาคารทั่วไป (LV4)</translation>
    </message>
    <message>
        <source>Heavy overcast, rain (LV0.6)</source>
        <translation>เมฆครึ้มมาก ฝนตก (LV0.6)</translation>
    </message>
    <message>
        <source>%1 metres</source>
        <translation>%1 เมตร</translation>
    </message>
    <message>
        <source>%1metres</source>
        <extracomment>A distance beyond the slider&apos;s reach, in whole metres; a space is allowed.</extracomment>
        <translation>%1 เมตร</translation>
    </message>
    <message>
        <source>%1 stops</source>
        <translation>%1 สต็อป</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>เต็ม</translation>
    </message>
    <message>
        <source>Use the fill light F-stop slider to adjust</source>
        <translation>ปรับด้วยแถบเลื่อนสต็อปของไฟเสริม</translation>
    </message>
    <message>
        <source>Assumes main-light to reflector distance = main light to subject distance</source>
        <translation>ถือว่าระยะจากไฟหลักถึงรีเฟล็กซ์ = ระยะจากไฟหลักถึงตัวแบบ</translation>
    </message>
    <message>
        <source>ambient light type</source>
        <translation>ชนิดของแสงแวดล้อม</translation>
    </message>
    <message>
        <source>Reflector distance to subject:</source>
        <translation>ระยะรีเฟล็กซ์ถึงตัวแบบ:</translation>
    </message>
    <message>
        <source>Fill light distance to subject:</source>
        <translation>ระยะไฟเสริมถึงตัวแบบ:</translation>
    </message>
    <message>
        <source>F ratio cannot be set to zero</source>
        <translation>ตั้งค่า f เป็นศูนย์ไม่ได้</translation>
    </message>
    <message>
        <source>Not possible</source>
        <translation>ทำไม่ได้</translation>
    </message>
    <message>
        <source>0 stops</source>
        <translation>0 สต็อป</translation>
    </message>
    <message>
        <source>Reflector loss in F stops:</source>
        <translation>แสงที่เสียจากรีเฟล็กซ์ (สต็อป):</translation>
    </message>
    <message>
        <source>Effective GN (m)  at ISO 100:</source>
        <translation>GN ที่ได้จริง (m)  ที่ ISO 100:</translation>
    </message>
    <message>
        <source>Power setting:</source>
        <translation>กำลังแฟลช:</translation>
    </message>
    <message>
        <source>If you change the f/ratio, click to update lighting</source>
        <translation>ถ้าเปลี่ยนค่า f ให้คลิกเพื่ออัปเดตการจัดแสง</translation>
    </message>
</context>
<context>
    <name>TMacroPage</name>
    <message>
        <source>%1 stops</source>
        <translation>%1 สต็อป</translation>
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
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้ (&amp;H)</translation>
    </message>
</context>
<context>
    <name>TSunPage</name>
    <message>
        <source>%1 degrees C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Choose or edit the place whose sun, moon and light these pages show</source>
        <translation>เลือกหรือแก้ไขสถานที่ที่หน้าเหล่านี้ใช้แสดงดวงอาทิตย์ ดวงจันทร์ และแสง</translation>
    </message>
    <message>
        <source>check to use the current calculated position</source>
        <translation>เลือกเพื่อใช้ตำแหน่งดวงอาทิตย์ที่คำนวณได้ขณะนี้</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>สถานที่:</translation>
    </message>
    <message>
        <source>Location: %1 Longitude %2 Latitude %3</source>
        <translation>สถานที่: %1 ลองจิจูด %2 ละติจูด %3</translation>
    </message>
    <message>
        <source>Julian date:</source>
        <translation>วันจูเลียน:</translation>
    </message>
    <message>
        <source>Universal time:</source>
        <translation>เวลาสากล:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>เวลาท้องถิ่น:</translation>
    </message>
    <message>
        <source>Age of the moon:</source>
        <translation>อายุดวงจันทร์:</translation>
    </message>
    <message>
        <source>Moon phase:</source>
        <translation>เฟสดวงจันทร์:</translation>
    </message>
    <message>
        <source>Moon&apos;s distance:</source>
        <translation>ระยะห่างดวงจันทร์:</translation>
    </message>
    <message>
        <source>Moon subtends:</source>
        <translation>ขนาดเชิงมุมดวงจันทร์:</translation>
    </message>
    <message>
        <source>Sun&apos;s distance:</source>
        <translation>ระยะห่างดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>Sun subtends:</source>
        <translation>ขนาดเชิงมุมดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>Last new moon:</source>
        <translation>จันทร์ดับครั้งก่อน:</translation>
    </message>
    <message>
        <source>First quarter:</source>
        <translation>ครึ่งดวงแรก:</translation>
    </message>
    <message>
        <source>Full moon:</source>
        <translation>จันทร์เต็มดวง:</translation>
    </message>
    <message>
        <source>Last quarter:</source>
        <translation>ครึ่งดวงหลัง:</translation>
    </message>
    <message>
        <source>New new moon:</source>
        <translation>จันทร์ดับครั้งถัดไป:</translation>
    </message>
    <message>
        <source>Lunation:</source>
        <translation>ลูเนชัน:</translation>
    </message>
    <message>
        <source>Sun azimuth:</source>
        <translation>อะซิมุทดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>Sun elevation:</source>
        <translation>มุมเงยดวงอาทิตย์:</translation>
    </message>
    <message>
        <source>Sun rise:</source>
        <translation>ดวงอาทิตย์ขึ้น:</translation>
    </message>
    <message>
        <source>Sun transit:</source>
        <translation>ดวงอาทิตย์ผ่านเมริเดียน:</translation>
    </message>
    <message>
        <source>Sun set:</source>
        <translation>ดวงอาทิตย์ตก:</translation>
    </message>
    <message>
        <source>Moon rise:</source>
        <translation>ดวงจันทร์ขึ้น:</translation>
    </message>
    <message>
        <source>Moon transit:</source>
        <translation>ดวงจันทร์ผ่านเมริเดียน:</translation>
    </message>
    <message>
        <source>Moon set:</source>
        <translation>ดวงจันทร์ตก:</translation>
    </message>
    <message>
        <source>Night time, no sun</source>
        <translation>กลางคืน ไม่มีดวงอาทิตย์</translation>
    </message>
    <message>
        <source>by default, UTC is calculated based on current computer  location and clock. Use this button to set UTC manually.</source>
        <translation>โดยปกติ UTC คำนวณจากตำแหน่งและนาฬิกาของคอมพิวเตอร์เครื่องนี้ ใช้ปุ่มนี้เพื่อตั้ง UTC เอง</translation>
    </message>
    <message>
        <source>Set UTC time</source>
        <translation>ตั้งเวลา UTC</translation>
    </message>
    <message>
        <source>Set Location</source>
        <translation>ตั้งสถานที่</translation>
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
    <name>Tfrm_julian</name>
    <message>
        <source>Julian Date:</source>
        <translation>วันจูเลียน:</translation>
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
<context>
    <name>TypedInputs</name>
    <message>
        <source>The %1 must not be negative</source>
        <extracomment>%1 is the name of the box, such as &quot;focal length&quot; (translated in InputRules).</extracomment>
        <translation>%1ต้องไม่ติดลบ</translation>
    </message>
    <message>
        <source>The %1 must be greater than 0%2</source>
        <extracomment>%1 is the name of the box; %2 is its unit with a leading space (&quot; mm&quot;), or empty.</extracomment>
        <translation>%1ต้องมากกว่า 0%2</translation>
    </message>
    <message>
        <source>The %1 must be between 0 and 100%2</source>
        <translation>%1ต้องอยู่ระหว่าง 0 ถึง 100%2</translation>
    </message>
    <message>
        <source>The %1 must be between -90 and 90%2</source>
        <translation>%1ต้องอยู่ระหว่าง -90 ถึง 90%2</translation>
    </message>
    <message>
        <source>The %1 must be between -89 and 89%2</source>
        <translation>%1ต้องอยู่ระหว่าง -89 ถึง 89%2</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>A result that cannot be computed (&quot;not available&quot;); keep it short.</extracomment>
        <translation>ไม่มีค่า</translation>
    </message>
</context>
</TS>
