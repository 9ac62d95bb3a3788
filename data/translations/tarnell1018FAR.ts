<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>در این انتخاب کانالی برای چاپ وجود ندارد.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>کانال‌های تلویزیونی</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>کانال‌های رادیویی</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>ترانسپوندر</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>صفحه</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>ردیف</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>نوع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>فرکانس</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>قطبش</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>P-PID</source>
        <translation>P-PID</translation>
    </message>
    <message>
        <source>Value 4</source>
        <translation>مقدار 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>پولی</translation>
    </message>
    <message>
        <source>M 1</source>
        <translation>M 1</translation>
    </message>
    <message>
        <source>M 2</source>
        <translation>M 2</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>ارائه‌دهنده</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>رادیو</translation>
    </message>
</context>
<context>
    <name>CUserDialogs</name>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>فایل‌های تنظیمات (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>فهرست‌های کانال (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>فهرست‌های کانال همراه با پیکربندی (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>همهٔ فایل‌ها (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>تغییرات %1 ذخیره شود؟</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>صدور فهرست کانال‌ها</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>ذخیره با نام</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>فهرست خروجی Vezi (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>فهرست خروجی Vezi با UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کپی</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>صدور به PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>اسناد PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>گیرنده ورود FTP را پذیرفت.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>اتصال FTP به گیرنده برقرار نشد. نشانی، درگاه، نام کاربری و گذرواژهٔ نمایهٔ شبکه را بررسی کنید.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>خطای اتصال FTP</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>داده‌ای نیست</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>داده‌ای نیست 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>آزمون FTP</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>راه‌اندازی دوبارهٔ گیرنده</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>خطای 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>اتصال برقرار نشد</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>گیرنده هیچ فهرست کانالی ارسال نکرد.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>گیرنده اکنون دوباره راه‌اندازی شود تا فهرست‌های جدید را بخواند؟</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 روی گیرنده بزرگ‌تر از %2 بایت است، پس فهرست کانال نیست؛ خوانده نشد.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 روی گیرنده بزرگ‌تر از %2 بایت است، پس پیکربندی نیست؛ خوانده نشد.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>فهرست کانالی که از گیرنده دریافت شد باز نمی‌شود.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>از فایل‌های کنونی گیرنده نسخه‌ای نگه داشته نشد؛ چیزی ارسال نشد.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>فایل‌های کنونی گیرنده خوانده نشدند؛ چیزی ارسال نشد.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>%1 نوشته نشد؛ گیرنده فایل پیشین خود را نگه می‌دارد.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>%1 نوشته نشد؛ ممکن است فایل گیرنده اکنون ناقص باشد. فایل‌های پیشین آن در &quot;%2&quot; هستند.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>فهرست کانال ارسال شد، اما %1 نوشته نشد؛ گیرنده فایل پیشین خود را نگه می‌دارد.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>فهرست کانال ارسال شد، اما %1 نوشته نشد؛ ممکن است فایل گیرنده اکنون ناقص باشد. فایل‌های پیشین آن در &quot;%2&quot; هستند.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>نمایهٔ &quot;%1&quot; نشانی گیرنده ندارد</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>گیرنده فایل %1 را ندارد</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>گیرنده فایل %1 را ندارد؛ چیزی ارسال نشد</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 روی گیرنده خالی است</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>گیرنده اتصال را بست: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>کلاینت FTP آماده نشد.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>نشانی یا درگاه گیرنده مشخص نیست.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>نام کاربری یا گذرواژه شکست خط دارد.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>داده‌های سیستم خراب است!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>هیچ نمایهٔ شبکه‌ای وجود ندارد. در صفحهٔ &quot;شبکه&quot; در گزینه‌ها یک نمایه برای گیرنده بیفزایید.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ReceiverConfig</name>
    <message>
        <source>Off</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>On</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>No</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>تمام صفحه</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>استریو</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>چپ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>راست</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>مونو</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ثانیه</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 دقیقه</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>همیشه</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>پنهان</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>صفحهٔ سیاه</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>تصویر ثابت</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>بالا</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>پایین</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>شمارهٔ شبکه</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>نام شبکه</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>کم‌نور</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>بدون محدودیت</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>حالت آماده‌به‌کار</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>روشن بماند</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>نامحدود</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>حداکثر</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>دستی</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>منطقهٔ %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>۲۴ ساعته</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>۱۲ ساعته</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>زبان منو</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>زبان صدای اول</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>زبان صدای دوم</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>زبان زیرنویس اول</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>زبان زیرنویس دوم</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>زبان راهنمای برنامه</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>تایم‌شیفت</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>شروع خودکار تایم‌شیفت</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>شروع زودتر ضبط به اندازهٔ</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>پایان دیرتر ضبط به اندازهٔ</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>پس از ضبط زمان‌بندی‌شده</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>مدت ضبط فوری</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>مدت تایم‌شیفت</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>قالب ضبط</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>بافر ضبط</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>بافر پخش</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>ردهٔ سنی</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>کد PIN</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>قفل %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>روشنایی</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>مدت نمایش نوار اطلاعات</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>ساعت در حالت آماده‌به‌کار</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>مدت نمایش نوار صدا</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>هنگام تعویض شبکه</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>محل نوار اطلاعات</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>نمایشگر جلو نشان می‌دهد</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>نور نمایشگر جلو</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>مدت نمایش منو</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>شفافیت منو</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>تنظیم زمان</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>منطقهٔ زمانی</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>ساعت تابستانی</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>قالب ساعت</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>سیستم تلویزیون</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>نسبت تصویر</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>وضوح تصویر</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>قالب نمایش</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>خروجی ویدیو</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>صدا از طریق HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>حالت صدا</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>گزینهٔ ویدیو</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>تأخیر صدا</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>نشانی‌ها از شبکه (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>نشانی IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>ماسک زیرشبکه</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>دروازه</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>سرور DNS اول</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>سرور DNS دوم</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>نشانی دیگر %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>گزینهٔ شبکه</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>متن %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>گزینهٔ %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>شمارهٔ شبکه‌ها همان‌طور که در فهرست ذخیره شده</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>طول جغرافیایی محل</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>عرض جغرافیایی محل</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>بازهٔ زمانی نمایش</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>حافظهٔ راهنمای برنامه</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>ضبط</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>کنترل والدین</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>شبکه</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>فهرست شبکه‌ها</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>موقعیت‌یاب و تک‌کابل</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>خروجی تصویر و صدا</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>ترمیم نام کانال‌ها</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>فهرست علاقه‌مندی جدید</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>حذف ترانسپوندرهای بی‌استفاده</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>شماره‌گذاری کانال‌ها</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>مرتب‌سازی بر اساس الگو</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>جابه‌جایی کانال</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>تغییر نام کانال</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>افزودن به علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>حذف از علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>پذیرفتن ترتیب فهرست</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>کانال تلویزیونی جدید</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>کانال رادیویی جدید</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>ماهواره جدید</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>ترانسپوندر جدید</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>حذف کانال‌ها</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>حذف ترانسپوندرها</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>تغییر نام ارائه‌دهنده</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>تغییر نام فهرست علاقه‌مندی</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>حذف فهرست علاقه‌مندی</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>فهرست علاقه‌مندی از ارائه‌دهنده</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>جابه‌جایی فهرست علاقه‌مندی</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>جابه‌جایی ماهواره</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>حذف %n کانال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>برش %n کانال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>چسباندن %n کانال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>علامت‌گذاری %n کانال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>شماره‌گذاری %n کانال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>جابه‌جایی %n کانال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>افزودن %n کانال به یک فهرست علاقه‌مندی</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>حذف %n کانال از یک فهرست علاقه‌مندی</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>حذف %n کانال از فهرست علاقه‌مندی</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>حذف %n کانال از همه فهرست‌های علاقه‌مندی</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>حذف همه زمان‌سنج‌ها</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>تغییر زمان‌سنج</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>تغییر متن زمان‌سنج</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>حذف %n زمان‌سنج</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>ویرایش ماهواره</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>ویرایش تنظیمات LNB</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>تغییر حالت تیونر</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>ویرایش ترانسپوندر</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>ویرایش کانال</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>پیکربندی گیرنده</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>اعمال ترتیب مرجع</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>نسخهٔ %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>فهرست کانال‌ها و تنظیمات گیرنده‌های Octagon SF 1018 و SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>سپاس از همهٔ دارندگان گیرنده که فهرستی به اشتراک گذاشتند و انتقال‌ها را آزمودند.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>ساخته‌شده با Qt %1، در حال اجرا روی Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>دربارهٔ Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>راهنمای ابزار</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>نمایش راهنمای ابزار روی نوار ریبون</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>نمایش توضیح در راهنمای ابزار</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>پنجرهٔ اصلی</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>نوار وضعیت روشن/خاموش</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>نوار پیام روشن/خاموش</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>رنگ‌ها</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>پس‌زمینهٔ فهرست کانال‌ها</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>متن فهرست کانال‌ها</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>پس‌زمینهٔ درخت</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>متن درخت</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>رنگ‌های بیشتر...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>برنامه</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>راهنمای ابزار، نوارهای پنجرهٔ اصلی و رنگ‌های درخت و فهرست کانال‌ها. نوارها و رنگ‌ها بی‌درنگ تغییر می‌کنند.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>بازگردانی پشتیبان</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>پیش از هر ارسال، فهرست گیرنده اینجا نگه داشته می‌شود. یکی را برای دیدن باز کنید یا دوباره به گیرنده بفرستید.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>نگه‌داری در</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>کانال‌ها</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>در مقایسه با فهرست باز</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>خواندنی نیست</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>باز کردن به‌عنوان سند جدید</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>ارسال به گیرنده</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>هنوز هیچ پشتیبانی نگه داشته نشده است.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>انتقال به بالا</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>انتقال به پایین</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>پذیرفتن ترتیب فهرست</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>کلیپ‌بورد هیچ کانال، ترانسپوندر یا ماهواره‌ای ندارد.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>یک کانال در کلیپ‌بورد از نوع دیگری (تلویزیون یا رادیو) نسبت به فهرست نمایش‌داده‌شده است؛ چسباندن همان‌جا متوقف شد.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>برای یک کانال در کلیپ‌بورد هیچ ترانسپوندر آزادی نمانده است؛ چسباندن همان‌جا متوقف شد.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>برای یک کانال در کلیپ‌بورد نمی‌توان ماهواره افزود: فهرست 255 ماهواره دارد. چسباندن همان‌جا متوقف شد.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>فهرست 10٬000 کانال دارد؛ بیشترین تعدادی که گیرنده می‌پذیرد. چسباندن همان‌جا متوقف شد.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>فهرست 10٬000 کانال دارد؛ بیشترین تعدادی که گیرنده می‌پذیرد.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>کانال جدید %1 ساخته شد.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>ترتیب فهرست را تنها وقتی می‌توان پذیرفت که فهرست همهٔ کانال‌ها را نشان دهد.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>کانال‌ها به ترتیبی که اکنون فهرست نشان می‌دهد شماره‌گذاری شوند؟</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>کانال‌ها جابه‌جا نشدند.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n کانال جابه‌جا شد.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>پهنای ستون در نمای فهرست</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>بخشی از نام کانال</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>هیچ فهرست کانالی باز نیست.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n کانال پیدا شد</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... و %1 مورد دیگر</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقایسه</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>مقایسه با یک فایل...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>مقایسه با فهرست گیرنده...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>اعمال ترتیب مرجع...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>انتخاب موارد تکراری</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>بازگردانی پشتیبان...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>مقایسه با</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>فایل‌های تنظیمات (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>همه فایل‌ها (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>فهرست گیرنده</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>فهرست مرجع</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>فهرست‌های مرجع (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>بوکه‌های Enigma2 (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>نام کانال‌ها، هر خط یکی (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>مرجع فهرست‌های علاقه‌مندی دارد (%1). فهرست‌های علاقه‌مندی هم‌نام نیز از روی آن بازسازی شوند؟</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>اعمال ترتیب مرجع</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 کانال ترتیب مرجع را گرفتند: %2 بر اساس ماهواره، ترانسپوندر و سرویس، %3 بر اساس نام.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>فهرست‌های علاقه‌مندی: %1 بازسازی شد، %2 افزوده شد.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 کانال در مرجع نیست؛ به ترتیب خودشان در پی می‌آیند:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>برای %1 مورد از مرجع کانالی پیدا نشد:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>هیچ کانال تلویزیونی دو بار نیامده است.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>هیچ کانال رادیویی دو بار نیامده است.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 نام روی بیش از یک ترانسپوندر آمده‌اند؛ کانال‌هایشان انتخاب شده‌اند.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 کانال همان سرویس یک کانال پیشین‌اند و انتخاب شده‌اند؛ %2 نام روی بیش از یک ترانسپوندر آمده‌اند.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 کانال فهرست در مرجع نیستند. آن‌ها پیش از کانال‌هایی که مرجع مرتب می‌کند قرار گیرند؟ (خیر آن‌ها را پس از آن‌ها می‌گذارد.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 کانال در مرجع نیستند؛ به ترتیب خودشان در ابتدا می‌آیند:</translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareDlg</name>
    <message>
        <source>TV/radio</source>
        <translation>تلویزیون/رادیو</translation>
    </message>
    <message>
        <source>stored number</source>
        <translation>شماره ذخیره‌شده</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID مربوط به PCR</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID ویدیو</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID صدا</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>پرچم‌ها</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>صدا</translation>
    </message>
    <message>
        <source>options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>نرخ سمبل</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>ارائه‌دهنده</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>text</source>
        <translation>متن</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>مقادیر دیگر</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>قبلاً «%1»</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>فهرست «%1»</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>کانال‌ها</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>فهرست‌های علاقه‌مندی</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>کانال‌های فهرست‌های علاقه‌مندی</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>ماهواره‌ها</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>تنظیمات LNB</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>ترانسپوندرها</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>زمان‌سنج‌ها</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>پیکربندی گیرنده</translation>
    </message>
    <message>
        <source>added</source>
        <translation>افزوده</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>حذف‌شده</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>تغییرنام‌یافته</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>جابه‌جاشده</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>تغییریافته</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>تفاوتی نیست.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقایسه</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>از &lt;b&gt;%1&lt;/b&gt; به &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>پالایش بر اساس نام</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>همه تغییرات</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغییر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>جایگاه</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>جزئیات</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلویزیون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>رادیو</translation>
    </message>
</context>
<context>
    <name>tarnell::CDockPanes</name>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>برای ویرایش یک ماهواره در اینجا، آن را در درخت انتخاب کنید.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>ترانسپوندر</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>برای ویرایش یک ترانسپوندر در اینجا، آن را در درخت انتخاب کنید.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>برای ویرایش یک کانال در اینجا، آن را در فهرست انتخاب کنید.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>جستجوی کانال</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>برای یافتن یک کانال، بخشی از نام آن را بنویسید.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>واگرد</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ازنو</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>شماره‌های ذخیره‌شده</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>شماره‌گذاری دوباره</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>ترمیم نام‌ها</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>ارجاع‌های نام کانال‌ها ترمیم شد.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>حذف ترانسپوندرهای بی‌استفاده</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>%n ترانسپوندر بی‌استفاده حذف شد.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>صدور به‌صورت متن...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>مرتب‌سازی بر پایهٔ الگو</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>کانال‌ها دوباره شماره‌گذاری شدند.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>کانال‌ها دوباره شماره‌گذاری شدند؛ الگو %n کانال را به بالای فهرست برد.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>فهرست کانال‌ها در %1 صادر شد.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>شماره‌گذاری پیاپی</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>واگرد: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>ازنو: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>رنگ‌های بیشتر...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>نمایه‌ها</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>نمایهٔ جدید</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>حذف نمایه</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>انتقال به بالا</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>انتقال به پایین</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>گیرنده</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>راه‌اندازی دوباره با &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>آزمودن ورود FTP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>نشانی:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>درگاه:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>کاربر:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>گذرواژه:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>نشانی گیرنده باید چهار عدد از 0 تا 255 باشد که با نقطه از هم جدا شده‌اند، مانند 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>درگاه باید عددی صحیح از %1 تا %2 باشد؛ FTP معمولاً از %3 استفاده می‌کند.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>شبکه</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>در حال ورود به %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>گیرنده‌های شبکهٔ شما. انتقال‌ها از نمایهٔ انتخاب‌شده در فهرست استفاده می‌کنند؛ تغییرات بی‌درنگ اعمال می‌شوند و حتی پس از لغو هم می‌مانند.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>فایل داده پیدا نشد یا در حال استفاده است!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>خطا در خواندن فایل داده!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>داده‌های سیستم خراب است!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>مرور...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>منبع:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>پوشه...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>پوشه‌ای را انتخاب کنید که lamedb و فایل‌های بوکه در آن است.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>فایل تنظیمات پایه:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>ماهواره‌ها و پیکربندی گیرنده‌اش حفظ می‌شوند؛ خود فایل تغییر نمی‌کند.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>شروع وارد کردن</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>منبعی نیست</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>بوکه‌ها (تلویزیون)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>بوکه‌ها (رادیو)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>بالا</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>پایین</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>در حال خواندن بوکه‌ها...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>فهرست کانال برای وارد کردن</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>فایل تنظیمات پایه</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>در حال وارد کردن فهرست کانال...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>لطفاً فایل‌ها را بررسی کنید</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>وارد شد: %1 کانال تلویزیونی و %2 کانال رادیویی، %3 ترنسپاندر، %4 ماهوارهٔ جدید، %5 فهرست علاقه‌مندی.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>کنار گذاشته شد: %1 ترنسپاندر، جای خالی برای ترنسپاندر نیست.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>کنار گذاشته شد: %1 ترنسپاندر که گیرنده نمی‌تواند فرکانس یا موقعیت آن را ذخیره کند.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>کنار گذاشته شد: %1 ماهواره فراتر از ۲۵۵ (ترنسپاندرهایشان به آخرین ماهواره رفت).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>کنار گذاشته شد: %1 سرویس، گیرنده حداکثر ۱۰٬۰۰۰ کانال نگه می‌دارد.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>کنار گذاشته شد: %1 سرویس از نوعی که گیرنده فهرست نمی‌کند (فقط 1، 2، 4، 22 و 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>توجه: %1 کانال ترنسپاندر ندارند.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>گزارش وارد کردن</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>ویژگی‌های ماهواره</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>ویژگی‌های ترانسپوندر</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>تغییر نام</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>نشانه‌گذاری فهرست علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>برداشتن نشانهٔ علاقه‌مندی</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>شماره‌های ترتیبی علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>حذف فهرست علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>فهرست علاقه‌مندی‌های جدید</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>ترانسپوندر جدید</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>کانال جدید</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>حذف کانال‌های ترانسپوندر</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>حذف ترانسپوندر</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>حذف ترانسپوندرهای ماهواره</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>ماهوارهٔ جدید</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>فهرست علاقه‌مندی‌های جدید از ارائه‌دهنده</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>بر پایهٔ نام</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>بر پایهٔ موقعیت مداری</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>به ترتیب ذخیره‌شده</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>بر پایهٔ شماره</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>ماهواره‌های دارای کانال</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>ماهواره‌های دارای تنظیمات LNB</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (سیریلیک)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (عربی)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (یونانی)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (عبری)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (ترکی)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>ترتیب ماهواره‌ها</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>ماهواره‌های فعال</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>ترتیب ارائه‌دهندگان</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>صفحه‌کد علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>فهرست 255 ماهواره دارد؛ بیشترین تعدادی که گیرنده می‌پذیرد.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>این ماهواره در فهرست ماهواره‌ها نیست.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>ترانسپوندر تازه‌ای ساخته نشد.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>جدید</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>باز کردن...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>ذخیره با نام...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>وارد کردن</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>دربارهٔ Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>برش</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>مرتب‌سازی</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>سبک فهرست</translation>
    </message>
    <message>
        <source>List</source>
        <translation>فهرست</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>جزئیات</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>پنجره‌ها</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلویزیون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>رادیو</translation>
    </message>
    <message>
        <source>Active Satellites Only</source>
        <translation>فقط ماهواره‌های فعال</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>شمارهٔ ماهواره‌ها</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>متن علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>پس‌زمینهٔ علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>گزینه‌های علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>نمایه‌های شبکه</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>گیرنده</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>ارسال به گیرنده</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>دریافت فهرست کانال‌ها</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>دریافت فهرست کانال‌ها و پیکربندی</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>ترانسپوندرها</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>پیکربندی گیرنده</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>سبک</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 فهرست کانال‌ها و تنظیمات گیرنده‌های Octagon SF 1018 و SF 1028 را ویرایش می‌کند.

یک فایل تنظیمات (*.fdu, *.sys)‎ را باز کنید یا فهرست را از گیرنده دریافت کنید، در درخت سمت راست یک ماهواره، ترانسپوندر، ارائه‌دهنده یا فهرست علاقه‌مندی‌ها را برگزینید و کانال‌های آن را در فهرست سمت چپ ویرایش کنید. در پایان، فایل را ذخیره کنید یا آن را به گیرنده برگردانید.

کلیدها: Ctrl+N جدید، Ctrl+O باز کردن، Ctrl+S ذخیره، Ctrl+Z واگرد، Ctrl+Y ازنو، Ctrl+A انتخاب همه، Ctrl+W بستن، Shift+F1 این چیست.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>صفحهٔ وب انجمن</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>پنجره‌های زبانه‌ای</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>آبشاری</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>کاشی‌وار</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>فایل‌های اخیر</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>خانه</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>کلیپ‌بورد</translation>
    </message>
    <message>
        <source>View</source>
        <translation>نما</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>تلویزیون/رادیو</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ابزارها</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>پنجرهٔ فهرست کانال‌ها بسته شده است.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>فهرست کانال %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>فایل تنظیمات باز نمی‌شود.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>فایل تنظیمات %1 آسیب دیده است. این بخش‌های آن خوانده نمی‌شوند:

%2

اگر آن را باز کنید، این بخش‌ها در فهرست نیستند و با ذخیره یا ارسال آن برای همیشه از دست می‌روند. با این حال باز شود؟</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>فایل تنظیمات آسیب‌دیده</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>این فهرست از یک فایل آسیب‌دیده خوانده شده و این بخش‌ها را ندارد: %1.

گیرنده آن را بدون این بخش‌ها دریافت می‌کند. با این حال ارسال شود؟</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>این فهرست از یک فایل آسیب‌دیده خوانده شده و این بخش‌ها را ندارد: %1.

بدون این بخش‌ها ذخیره می‌شود. با این حال ذخیره شود؟</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>وارد کردن فهرست‌های کانال دیگر</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>انتخاب زبان</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>زبان‌ها</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>راهنمای کاربر</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>راهنمای کاربر نصب نشده است.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>ماهواره‌ها</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>ارائه‌دهندگان</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>فهرست‌های علاقه‌مندی‌ها</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>نمایهٔ شبکه باید نام داشته باشد.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>نمایهٔ شبکه‌ای با نام &quot;%1&quot; از پیش وجود دارد.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>فهرست‌های علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>انتخاب پس از فرمان علاقه‌مندی:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>پاک می‌شود</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>همان‌طور می‌ماند</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>شماره‌ها در فهرست علاقه‌مندی‌ها:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>شماره‌های ذخیره‌شده</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>کانال‌های چسبانده‌شده:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>در فهرست‌های علاقه‌مندی خود بمانند</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>از همهٔ فهرست‌های علاقه‌مندی بیرون بروند</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>صفحه‌کد نام فهرست‌ها:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)‎</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>سیریلیک، ISO 8859-5 (28595)‎</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>عربی، ISO 8859-6 (28596)‎</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>یونانی، ISO 8859-7 (28597)‎</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>عبری، ISO 8859-8 (28598)‎</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>ترکی، ISO 8859-9 (28599)‎</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>یونیکد، UTF-8 (65001)‎</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>ماهواره‌ها</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>ماهواره فعال است هنگامی که:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>تنظیمات آنتن آن در حال استفاده است</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>کانال‌هایی روی آن ذخیره شده است</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>فهرست‌های ماهواره، ترانسپوندر و ارائه‌دهنده نشان می‌دهند:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>کانال‌های تلویزیونی و رادیویی</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>فقط کانال‌های کلید تلویزیون/رادیو</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>ترتیب ماهواره‌ها در درخت:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>بر پایهٔ نام</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>بر پایهٔ موقعیت مداری</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>همان‌گونه که در گیرنده ذخیره شده است</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>علاقه‌مندی‌ها و ماهواره‌ها</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>فهرست‌های علاقه‌مندی چگونه شماره‌گذاری، نام‌گذاری و نگهداری می‌شوند و درخت کدام ماهواره‌ها را به چه ترتیبی نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>پیاپی 1، 2، 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>گیرنده</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>پیش از ارسال:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>بی‌درنگ ارسال شود</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>نشان دادن آنچه روی گیرنده تغییر می‌کند</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>گزینه‌ها و اطلاعات</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>چاپ سریع</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>پیش‌نمایش چاپ</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>تنظیمات چاپ...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>صدور به PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>فهرست برگزیده</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>ترانسپوندر</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>ارائه‌دهنده</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>همه کانال‌ها</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>فهرست کانال‌ها روی %1 چاپ نشد.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>هیچ چاپگری تنظیم نشده است. به‌جای آن به PDF صادر کنید یا از پنجره چاپ در یک فایل چاپ کنید.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>فایل PDF %1 نوشته نشد: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>صفحه‌های چاپی به‌صورت %1 ذخیره شدند.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>ماهواره / ترانسپوندر</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>شماره</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>فهرست‌های علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 تا %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>کانال به نخستین ترانسپوندر ماهوارهٔ انتخاب‌شده منتقل می‌شود.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>ترانسپوندر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>نام کانال؛ بخشی که میان دو علامت زاویه باشد، مانند &lt;ARD&gt;، در فهرست نشان داده نمی‌شود. هر رکورد نام ۱۰۰ بایت جا دارد.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>جدول نویسه‌ها</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>نام ویرایش‌شده</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>شناسهٔ سرویس</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 تا 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>نوع تصویر</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>نوع صدا</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID تصویر</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID صدا</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>مقدار سرویس ۴</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>حالت صدا</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>بلندی صدا</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>پولی (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>نشان M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>نشان M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>شمارهٔ ذخیره‌شده</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>0 تا 9999؛ زمان‌سنج‌ها کانال خود را با این شماره پیدا می‌کنند.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>نام نویسه‌هایی دارد که جدول نویسه‌های آن نمی‌تواند ذخیره کند.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>نام بیش از حد بلند است: هر رکورد نام ۱۰۰ بایت جا دارد.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>ماهواره هیچ ترانسپوندری ندارد؛ کانال در جای خود می‌ماند.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>الفبایی</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>مرتب‌سازی ویژگی‌ها بر اساس نام به جای گروه</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>باز کردن همه</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>باز کردن همه گروه‌های ویژگی</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>این مقدار را اینجا نمی‌توان تغییر داد.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: یک عدد صحیح از %2 تا %3 وارد کنید.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: یکی از گزینه‌ها را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>ویژگی</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>مقدار</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>گیرنده</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>دریافت از گیرنده لغو شد.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>در حال دریافت فهرست کانال‌ها و پیکربندی از گیرنده در %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>در حال دریافت فهرست کانال‌ها از گیرنده در %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>در حال ارسال فهرست کانال‌ها به گیرنده در %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>فهرست کانال‌ها برای گیرنده آماده نشد؛ چیزی ارسال نشد.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>فهرست کانال‌ها و پیکربندی به گیرنده در %1 ارسال شد.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>فهرست کانال‌ها به گیرنده در %1 ارسال شد.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>فایل‌های پیشین آن در &quot;%1&quot; نگهداری می‌شوند.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>در حال راه‌اندازی دوبارهٔ گیرنده در %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>به گیرنده در %1 فرمان راه‌اندازی دوباره داده شد (%2)‎.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>فهرست کنونی گیرنده خواندنی نیست.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>چیزی ارسال نشد؛ فهرست گیرنده دست‌نخورده است.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>ارسال، فهرست گیرنده را تغییر می‌دهد:

%1

فهرست به گیرنده ارسال شود؟</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>ارسال به گیرنده</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>کد PIN باید دقیقاً چهار رقم باشد.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>نشانی باید چهار عدد از ۰ تا ۲۵۵ باشد که با نقطه جدا شده‌اند، مانند 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>طول جغرافیایی باید بین ۰ تا ۱۸۰ درجه و حداکثر با سه رقم اعشار باشد.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>عرض جغرافیایی باید بین ۰ تا ۹۰ درجه و حداکثر با سه رقم اعشار باشد.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>گیرنده در اینجا حداکثر ۱۲۷ نویسه از متن اروپای غربی را نگه می‌دارد.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>این مقدار قابل ذخیره نیست.</translation>
    </message>
</context>
<context>
    <name>tarnell::CResourcePage</name>
    <message>
        <source>Tarnell 1018</source>
        <translation>Tarnell 1018</translation>
    </message>
    <message>
        <source>Edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers: channels, favourite lists, satellites, transponders, timers and the receiver&apos;s configuration.</source>
        <translation>فهرست کانال‌ها و تنظیمات گیرنده‌های Octagon SF 1018 و SF 1028 را ویرایش می‌کند: کانال‌ها، فهرست‌های علاقه‌مندی، ماهواره‌ها، ترانسپوندرها، زمان‌سنج‌ها و پیکربندی گیرنده.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>سپاس</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>به همهٔ دارندگان گیرنده که فهرست کانالی به اشتراک گذاشتند و انتقال‌ها را روی گیرندهٔ واقعی آزمودند.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>به سازندگان Qt، zlib و libcurl که این برنامه بر پایهٔ کار آنان ساخته شده است.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>سازندهٔ گیرنده</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon در وب</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>اطلاعات</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>دربارهٔ این برنامه، کسانی که در ساخت آن یاری کردند و جایی که سازندهٔ گیرنده را می‌توان یافت.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>فایل</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>تیونر</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>موتور</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>این داده‌ها فقط در فایل ‎*.sys‎ وجود دارند.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>ماهواره باید نام داشته باشد.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>موقعیت</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>موقعیت باید بین 0 تا 180.0 درجه و حداکثر با یک رقم اعشار باشد.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>شرق / غرب</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>حالت تیونر</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>ورودی تیونر</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>مگاهرتز</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>گزینهٔ LNB (بیت 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>طول جغرافیایی محل</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>عرض جغرافیایی محل</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>باند کاربر</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>فرکانس باند کاربر</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>مگاهرتز؛ حداکثر %1 ذخیره می‌شود.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>موقعیت A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>دو ورودی</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>عبوری</translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>Other satellites use this LNB record too, and the list holds no room for another: the change was not made.</source>
        <translation>ماهواره‌های دیگر نیز از این رکورد LNB استفاده می‌کنند و فهرست جایی برای رکورد دیگری ندارد: تغییر انجام نشد.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>طول و عرض جغرافیایی محل...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>پیکربندی گیرنده</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>آمار</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>کانال‌ها بر اساس نوع</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلویزیون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>رادیو</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>فهرست کانال‌ها</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>کانال‌های تلویزیونی:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>کانال‌های رادیویی:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>همه کانال‌ها:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>ترانسپوندرهای استفاده‌شده:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>ماهواره‌ها:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>زمان‌سنج‌ها:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>فایل:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>چرخش:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>شیب:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>برش</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>حذف از فهرست علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>حذف کانال‌ها</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>فهرست‌های علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>حذف از همهٔ فهرست‌های علاقه‌مندی‌ها</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>کانال تلویزیونی جدید</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>کانال رادیویی جدید</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>انتقال به جایگاه...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>انتخاب</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>کانال‌های HD</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>کانال‌های پولی</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>کانال‌های دارای نشان M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>کانال‌های دارای نشان M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>نشان‌ها</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>گذاشتن M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>برداشتن M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>گذاشتن T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>برداشتن T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>گذاشتن T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>برداشتن T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>رونوشت T 1 در T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>رونوشت T 2 در T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>مرتب‌سازی بر پایهٔ نام</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>مرتب‌سازی بر پایهٔ شماره</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>ویژگی‌های کانال</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n کانال</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>در واقع هرگز نباید به اینجا برسید...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>این فهرست کانال‌های تلویزیونی و رادیویی را با هم نشان می‌دهد: کانال‌ها را در فهرست همهٔ کانال‌ها جابه‌جا کنید، یا فقط یک نوع را نشان دهید (گزینه‌ها).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>زمان‌سنج‌ها</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>ردیف</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>تکرار</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>مدت (پایان)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>متن</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>زمان‌سنج</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>متن زمان‌سنج، حداکثر %1 نویسه.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>جدول نویسه</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>پرچم ۱</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>پرچم ۲</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>زمان‌سنج جدید</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>حذف همه زمان‌سنج‌ها</translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>یک‌بار</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>روزانه</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>دوشنبه تا جمعه</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>شنبه و یکشنبه</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>هفتگی</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>دیگر</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>دوشنبه،</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>سه‌شنبه،</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>چهارشنبه،</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>پنجشنبه،</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>جمعه،</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>شنبه،</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>یکشنبه،</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>زمان‌سنج %1 نویسه جا دارد؛ متن به «%2» کوتاه شد.</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>آمار</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>زمان‌سنج‌ها</translation>
    </message>
</context>
<context>
    <name>tarnell::CTransponderWnd</name>
    <message>
        <source>Satellite</source>
        <translation>ماهواره</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>ترانسپوندر</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>ارائه‌دهنده</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>ماهوارهٔ ترانسپوندر؛ برای تغییر آن، ترانسپوندر را روی ماهوارهٔ دیگری از نو بسازید.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>فرکانس</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>مگاهرتز، 1 تا 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>قطبش</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>نرخ سمبل</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s، 0 تا 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>شناسهٔ جریان انتقال</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 تا 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>شناسهٔ شبکهٔ اصلی</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>انتقال به جایگاه</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>جایگاه تازهٔ کانال‌های انتخاب‌شده (%1 تا %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>لطفاً عددی از %1 تا %2 وارد کنید.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>آبی</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>نقره‌ای</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>آبی دریایی</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>زیتونی</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>آلویی</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>مسی</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>گرافیتی</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>مشکی</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>سبزآبی شب</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>میزکار</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>پنجره‌ها</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>فعال کردن(&amp;A)‎</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ذخیره(&amp;S)‎</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>بستن پنجره(&amp;C)‎</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>tarnell::CommandDescriptions</name>
    <message>
        <source>Start a new service list from the factory list.</source>
        <translation>آغاز یک فهرست کانال جدید از فهرست کارخانه.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>باز کردن یک فایل تنظیمات (*.fdu, *.sys)‎ از دیسک.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>ذخیرهٔ فهرست کانال فعال.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>ذخیرهٔ فهرست کانال فعال با نامی تازه.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>بستن فهرست کانال فعال.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>چاپ فهرست کانال‌ها.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>چاپ بی‌درنگ فهرست کانال‌ها با چاپگر پیش‌فرض.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>نمایش صفحه‌ها همان‌گونه که چاپ خواهند شد.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>انتخاب چاپگر و کاغذ.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>وارد کردن فهرست Enigma2 (lamedb و بسته‌ها).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>وارد کردن فهرست Octagon 918/908/818 (*.udb)‎.</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>وارد کردن فهرست Octagon SD x18 (*.bin)‎.</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>ترجیحات، رنگ‌ها و نمایه‌های شبکه.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>رفتار فهرست‌های علاقه‌مندی و ماهواره‌ها.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>گیرنده‌های شبکهٔ شما و راه دسترسی به آن‌ها.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>خروج از برنامه؛ پیش از آن دربارهٔ تغییرات ذخیره‌نشده می‌پرسد.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>نسخه و سپاسگزاری‌ها.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>شیوهٔ کار با برنامه و کلیدهای آن.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>روی هر بخشی از پنجره کلیک کنید تا بدانید چه کاری انجام می‌دهد.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>باز کردن وب‌سایت سازندهٔ گیرنده در مرورگر.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>انتخاب رنگ‌های برنامه.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>درج کانال‌ها از کلیپ‌بورد.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>انتقال کانال‌های انتخاب‌شده به کلیپ‌بورد.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>رونوشت کانال‌های انتخاب‌شده در کلیپ‌بورد.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>انتخاب همهٔ کانال‌های فهرست.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>مرتب کردن کانال‌ها.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>جابه‌جایی میان فهرست کامل و فشرده.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>نمایش کانال‌ها در ستون‌های فشرده.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>نمایش کانال‌ها با همهٔ ستون‌هایشان.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>چیدن پنجره‌های باز، نمایش قاب‌ها یا انتخاب یک پنجره.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>نمایش کانال‌های تلویزیونی.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>نمایش کانال‌های رادیویی.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>فهرست کردن فقط ماهواره‌های در حال استفاده.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>نمایش شمارهٔ ماهواره‌ها در درخت.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>رنگ متن کانال‌های فهرست علاقه‌مندی نشانه‌گذاری‌شده.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>رنگ پس‌زمینهٔ کانال‌های فهرست علاقه‌مندی نشانه‌گذاری‌شده.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>دریافت فهرست از گیرنده یا بازفرستادن آن.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>بارگذاری فهرست کانال‌ها از گیرنده در پنجره‌ای تازه.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>بارگذاری فهرست کانال‌ها و پیکربندی گیرنده در پنجره‌ای تازه.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>ارسال فهرست کانال فعال به گیرنده.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>شماره‌گذاری دوبارهٔ کانال‌ها به ترتیب فهرست.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>جدا کردن کانال‌ها از نام‌هایی که وجود ندارند.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>نوشتن کانال‌های نمایش‌داده‌شده در یک فایل متنی.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>انتقال کانال‌های معمول Astra 19.2° شرقی به بالای فهرست.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>حذف همهٔ ترانسپوندرهایی که هیچ کانالی از آن‌ها استفاده نمی‌کند.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>شمارش کانال‌ها، ترانسپوندرها و ماهواره‌ها.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>نمایش و ویرایش زمان‌سنج‌های گیرنده.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>ویرایش پیکربندی گیرنده.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>نمایش یا پنهان کردن ویژگی‌های ماهواره و LNB.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>نمایش یا پنهان کردن ویژگی‌های ترانسپوندر.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>نمایش یا پنهان کردن ویژگی‌های کانال.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>نمایش یا پنهان کردن جستجوی کانال.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>استفاده از این زبان از اجرای بعدی برنامه.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>وارد کردن فهرست کانال‌های یک گیرندهٔ دیگر.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>واگرد آخرین تغییر.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>انجام دوبارهٔ تغییر واگردشده.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>نمایش و به‌کارگیری شماره‌های ذخیره‌شده با کانال‌ها به‌جای شماره‌گذاری پیاپی.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>نمایش شماره‌گذاری پیاپی در نتایج جستجو.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>پاک کردن ترانسپوندرهایی که هیچ کانالی از آن‌ها استفاده نمی‌کند.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>کانال‌های انتخاب‌شده را حذف کنید یا از فهرست علاقه‌مندی‌های نمایش‌داده‌شده بیرون ببرید.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>یک کانال تازه پس از کانال انتخاب‌شده بیفزایید.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>کانال‌های انتخاب‌شده را به جایگاهی که وارد می‌کنید ببرید.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>کانال‌های انتخاب‌شده را یک جایگاه بالا ببرید.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>کانال‌های انتخاب‌شده را یک جایگاه پایین ببرید.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>کانال‌ها را به ترتیبی که فهرست نشان می‌دهد شماره‌گذاری کنید.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>کانال‌های انتخاب‌شده را از همهٔ فهرست‌های علاقه‌مندی بیرون ببرید.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>کانال‌های HD را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>کانال‌های پولی را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>کانال‌های دارای نشان M 1 را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>کانال‌های دارای نشان M 2 را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>کانال‌های انتخاب‌شده را با M 1 نشان بزنید.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>نشان M 1 را از کانال‌های انتخاب‌شده بردارید.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>T 1 را روی کانال‌های انتخاب‌شده بگذارید.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>T 1 را از کانال‌های انتخاب‌شده بردارید.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>T 2 را روی کانال‌های انتخاب‌شده بگذارید.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>T 2 را از کانال‌های انتخاب‌شده بردارید.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>T 2 کانال‌های انتخاب‌شده را مانند T 1 آن‌ها کنید.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>T 1 کانال‌های انتخاب‌شده را مانند T 2 آن‌ها کنید.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>فهرست را بر پایهٔ نام کانال مرتب کنید.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>فهرست را بر پایهٔ شمارهٔ کانال مرتب کنید.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>ویژگی‌های کانال انتخاب‌شده را نشان دهید.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>کانال‌های انتخاب‌شده را به این فهرست علاقه‌مندی بیفزایید؛ یک عضو تنها از آن بیرون می‌رود.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>ذخیره صفحه‌های چاپی فهرست کانال‌ها به‌صورت فایل PDF.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>باز کردن راهنمای کاربر در مرورگر.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>دیدن تفاوت‌های این فهرست با یک فایل یا فهرست گیرنده.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>مقایسه این فهرست با یک فایل تنظیمات: کانال‌های افزوده، حذف‌شده، تغییرنام‌یافته، جابه‌جاشده؛ علاقه‌مندی‌ها، ماهواره‌ها، ترانسپوندرها، زمان‌سنج‌ها.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>دریافت فهرست گیرنده و نشان دادن آنچه یک ارسال در آن تغییر می‌دهد.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>مرتب کردن این فهرست مانند یک فایل تنظیمات دیگر، یک بوکه Enigma2 یا متنی از نام کانال‌ها.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>انتخاب کانال‌هایی که همان سرویس یک کانال پیشین‌اند.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>باز کردن یا ارسال یکی از فهرست‌های گیرنده که پیش از هر ارسال نگه داشته شده‌اند.</translation>
    </message>
</context>
</TS>
