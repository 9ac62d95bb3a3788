<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>لا توجد قنوات للطباعة في هذا التحديد.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>القنوات التلفزيونية</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>القنوات الإذاعية</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>قطبية</translation>
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
        <translation>القيمة 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>مدفوع</translation>
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
        <translation>المزود</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
</context>
<context>
    <name>CUserDialogs</name>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>ملفات الإعدادات (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>قوائم القنوات (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>قوائم القنوات مع التهيئة (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>تصدير قائمة القنوات</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>قائمة تصدير Vezi (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>قائمة تصدير Vezi بترميز UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>تصدير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>قبل جهاز الاستقبال تسجيل الدخول عبر FTP.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>لا يوجد اتصال FTP بجهاز الاستقبال. تحقق من العنوان والمنفذ واسم المستخدم وكلمة المرور في ملف تعريف الشبكة.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>خطأ في اتصال FTP</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>لا توجد بيانات</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>لا توجد بيانات 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>اختبار FTP</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>إعادة تشغيل جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>الخطأ 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>لا يوجد اتصال</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>لم يرسل جهاز الاستقبال أي قائمة قنوات.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>هل تريد إعادة تشغيل جهاز الاستقبال الآن ليقرأ القوائم الجديدة؟</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>الملف %1 على جهاز الاستقبال أكبر من %2 بايت، لذا فهو ليس قائمة قنوات؛ ولم تتم قراءته.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>الملف %1 على جهاز الاستقبال أكبر من %2 بايت، لذا فهو ليس ملف تهيئة؛ ولم تتم قراءته.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>تعذّر فتح قائمة القنوات التي تم جلبها من جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>تعذّر الاحتفاظ بنسخة من الملفات الحالية لجهاز الاستقبال؛ لم يُرسل شيء.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>تعذّرت قراءة الملفات الحالية لجهاز الاستقبال؛ لم يُرسل شيء.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>تعذّرت كتابة %1؛ يحتفظ جهاز الاستقبال بملفه السابق.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>تعذّرت كتابة %1؛ قد يكون ملف جهاز الاستقبال غير مكتمل الآن. ملفاته السابقة موجودة في &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>أُرسلت قائمة القنوات، لكن تعذّرت كتابة %1؛ يحتفظ جهاز الاستقبال بملفه السابق.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>أُرسلت قائمة القنوات، لكن تعذّرت كتابة %1؛ قد يكون ملف جهاز الاستقبال غير مكتمل الآن. ملفاته السابقة موجودة في &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>ملف التعريف &quot;%1&quot; ليس فيه عنوان لجهاز الاستقبال</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>لا يوجد الملف %1 على جهاز الاستقبال</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>لا يوجد الملف %1 على جهاز الاستقبال؛ لم يُرسل شيء</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>الملف %1 على جهاز الاستقبال فارغ</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>أغلق جهاز الاستقبال الاتصال: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>تعذّرت تهيئة عميل FTP.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>لم يُحدَّد عنوان جهاز الاستقبال أو منفذه.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>يحتوي اسم المستخدم أو كلمة المرور على فاصل أسطر.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>بيانات النظام تالفة!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>لا يوجد ملف تعريف للشبكة. أضف ملفًا لجهاز الاستقبال في صفحة &quot;الشبكة&quot; من الخيارات.</translation>
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
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ستيريو</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>أحادي</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 د</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>دائمًا</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>شاشة سوداء</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>صورة ثابتة</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>رقم القناة</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>اسم القناة</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>الساعة</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>خافتة</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>بلا حد</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>وضع الاستعداد</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>البقاء قيد التشغيل</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>غير محدود</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>الحد الأقصى</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>المنطقة %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 ساعة</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 ساعة</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>لغة القائمة</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>لغة الصوت الأولى</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>لغة الصوت الثانية</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>لغة الترجمة الأولى</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>لغة الترجمة الثانية</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>لغة دليل البرامج</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>الإزاحة الزمنية</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>بدء الإزاحة الزمنية تلقائيًا</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>بدء التسجيلات مبكرًا بمقدار</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>إنهاء التسجيلات متأخرًا بمقدار</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>بعد تسجيل مؤقت</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>مدة التسجيل الفوري</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>مدة الإزاحة الزمنية</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>صيغة التسجيل</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>ذاكرة التسجيل المؤقتة</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>ذاكرة التشغيل المؤقتة</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>التصنيف العمري</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>رمز PIN</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>القفل %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>مدة ظهور شريط المعلومات</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>الساعة في وضع الاستعداد</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>مدة ظهور شريط الصوت</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>عند تغيير القناة</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>موضع شريط المعلومات</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>الشاشة الأمامية تعرض</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>إضاءة الشاشة الأمامية</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>مدة ظهور القائمة</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>شفافية القائمة</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>ضبط الوقت</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>تنسيق الساعة</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>نظام التلفزيون</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>نسبة العرض إلى الارتفاع</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>صيغة العرض</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>مخرج الفيديو</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>الصوت عبر HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>وضع الصوت</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>خيار الفيديو</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>تأخير الصوت</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>العناوين من الشبكة (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>قناع الشبكة الفرعية</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>البوابة</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>خادم DNS الأول</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>خادم DNS الثاني</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>عنوان إضافي %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>خيار الشبكة</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>النص %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>الخيار %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>أرقام القنوات كما هي محفوظة في القائمة</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>خط طول الموقع</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>خط عرض الموقع</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>الفترة المعروضة</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>ذاكرة دليل البرامج</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>المراقبة الأبوية</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>المحرك والكابل الواحد</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>إخراج الصورة والصوت</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>إصلاح أسماء القنوات</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>قائمة مفضلة جديدة</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>إزالة الترانسبوندرات غير المستخدمة</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>ترقيم القنوات</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>الفرز حسب القالب</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>نقل القناة</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>إعادة تسمية القناة</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>إضافة إلى المفضلة</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>اعتماد ترتيب القائمة</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>قناة تلفزيونية جديدة</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>قناة إذاعية جديدة</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>قمر صناعي جديد</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>ترانسبوندر جديد</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>حذف القنوات</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>حذف الترانسبوندرات</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>إعادة تسمية المزود</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>إعادة تسمية قائمة المفضلة</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>حذف قائمة المفضلة</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>قائمة مفضلة من المزود</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>نقل قائمة المفضلة</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>نقل القمر الصناعي</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قنوات</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>قص %n قناة</numerusform>
            <numerusform>قص %n قناة</numerusform>
            <numerusform>قص %n قناة</numerusform>
            <numerusform>قص %n قنوات</numerusform>
            <numerusform>قص %n قناة</numerusform>
            <numerusform>قص %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>لصق %n قناة</numerusform>
            <numerusform>لصق %n قناة</numerusform>
            <numerusform>لصق %n قناة</numerusform>
            <numerusform>لصق %n قنوات</numerusform>
            <numerusform>لصق %n قناة</numerusform>
            <numerusform>لصق %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>تعليم %n قناة</numerusform>
            <numerusform>تعليم %n قناة</numerusform>
            <numerusform>تعليم %n قناة</numerusform>
            <numerusform>تعليم %n قنوات</numerusform>
            <numerusform>تعليم %n قناة</numerusform>
            <numerusform>تعليم %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>ترقيم %n قناة</numerusform>
            <numerusform>ترقيم %n قناة</numerusform>
            <numerusform>ترقيم %n قناة</numerusform>
            <numerusform>ترقيم %n قنوات</numerusform>
            <numerusform>ترقيم %n قناة</numerusform>
            <numerusform>ترقيم %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل %n قنوات</numerusform>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>إضافة %n قناة إلى قائمة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة مفضلة</numerusform>
            <numerusform>إضافة %n قنوات إلى قائمة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة مفضلة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>إزالة %n قناة من قائمة مفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة مفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة مفضلة</numerusform>
            <numerusform>إزالة %n قنوات من قائمة مفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة مفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة مفضلة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>إزالة %n قناة من قائمة المفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة المفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة المفضلة</numerusform>
            <numerusform>إزالة %n قنوات من قائمة المفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة المفضلة</numerusform>
            <numerusform>إزالة %n قناة من قائمة المفضلة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>إزالة %n قناة من جميع قوائم المفضلة</numerusform>
            <numerusform>إزالة %n قناة من جميع قوائم المفضلة</numerusform>
            <numerusform>إزالة %n قناة من جميع قوائم المفضلة</numerusform>
            <numerusform>إزالة %n قنوات من جميع قوائم المفضلة</numerusform>
            <numerusform>إزالة %n قناة من جميع قوائم المفضلة</numerusform>
            <numerusform>إزالة %n قناة من جميع قوائم المفضلة</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>حذف كل المؤقتات</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>تغيير المؤقت</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>تغيير نص المؤقت</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>حذف %n مؤقت</numerusform>
            <numerusform>حذف %n مؤقت</numerusform>
            <numerusform>حذف %n مؤقتين</numerusform>
            <numerusform>حذف %n مؤقتات</numerusform>
            <numerusform>حذف %n مؤقتاً</numerusform>
            <numerusform>حذف %n مؤقت</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>تعديل القمر الصناعي</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>تعديل إعدادات LNB</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>تغيير وضع الموالف</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>تعديل المرسل المستجيب</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>تعديل القناة</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>إعدادات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>تطبيق ترتيب مرجعي</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>قوائم القنوات وإعدادات أجهزة الاستقبال Octagon SF 1018 و SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>شكرًا لكل مالك جهاز استقبال شارك قائمة وجرّب عمليات النقل.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>بُني باستخدام Qt %1، ويعمل على Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>حول Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>تلميحات الأدوات</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>إظهار التلميحات على الشريط</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>إظهار الوصف في التلميحات</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>شريط الحالة تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>شريط الرسائل تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>خلفية قائمة القنوات</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>نص قائمة القنوات</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>خلفية الشجرة</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>نص الشجرة</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>مزيد من الألوان...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>البرنامج</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>التلميحات وأشرطة النافذة الرئيسية وألوان الشجرة وقائمة القنوات. تتغير الأشرطة والألوان فورًا.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>استعادة نسخة احتياطية</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>قبل كل إرسال تُحفظ قائمة جهاز الاستقبال هنا. افتح إحداها لعرضها أو أرسلها مجدداً إلى جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>حُفظت في</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>مقارنة بالقائمة المفتوحة</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>لا يمكن قراءتها</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>فتح كمستند جديد</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>إرسال إلى جهاز الاستقبال</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>لم تُحفظ أي نسخة احتياطية بعد.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>اعتماد ترتيب القائمة</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>لا تحتوي الحافظة على قنوات أو ترانسبوندرات أو أقمار صناعية.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>إحدى القنوات في الحافظة من النوع الآخر (تلفزيون أو راديو) غير نوع القائمة المعروضة؛ توقف اللصق عندها.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>لم يبق ترانسبوندر شاغر لإحدى القنوات في الحافظة؛ توقف اللصق عندها.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>لا يمكن إضافة قمر صناعي لإحدى القنوات في الحافظة: تحتوي القائمة على 255 قمرًا صناعيًا. توقف اللصق عندها.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>تحتوي القائمة على 10٬000 قناة، وهو أقصى ما يقبله جهاز الاستقبال؛ توقف اللصق عندها.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>تحتوي القائمة على 10٬000 قناة، وهو أقصى ما يقبله جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>أُنشئت القناة الجديدة %1.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>لا يمكن اعتماد ترتيب القائمة إلا عندما تعرض القائمة جميع القنوات.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>هل تُرقَّم القنوات بالترتيب الذي تعرضه القائمة الآن؟</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>لم تُنقل القنوات.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>لم تُنقل أي قناة.</numerusform>
            <numerusform>نُقلت قناة واحدة.</numerusform>
            <numerusform>نُقلت قناتان.</numerusform>
            <numerusform>نُقلت %n قنوات.</numerusform>
            <numerusform>نُقلت %n قناةً.</numerusform>
            <numerusform>نُقلت %n قناة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>عرض الأعمدة في عرض القائمة</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>جزء من اسم القناة</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>لا توجد قائمة قنوات مفتوحة.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>لم يُعثر على أي قناة</numerusform>
            <numerusform>عُثر على قناة واحدة</numerusform>
            <numerusform>عُثر على قناتين</numerusform>
            <numerusform>عُثر على %n قنوات</numerusform>
            <numerusform>عُثر على %n قناةً</numerusform>
            <numerusform>عُثر على %n قناة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... و%1 أخرى</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>مقارنة بملف...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>مقارنة بقائمة جهاز الاستقبال...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>تطبيق ترتيب مرجعي...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>تحديد المكررات</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>استعادة نسخة احتياطية...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>مقارنة مع</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>ملفات الإعدادات (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>قائمة جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>القائمة المرجعية</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>القوائم المرجعية (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>باقات Enigma2 (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>أسماء القنوات، اسم في كل سطر (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>يحتوي المرجع على قوائم مفضلة (%1). هل تُعاد أيضاً بناء قوائم المفضلة التي تحمل الأسماء نفسها منه؟</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>تطبيق ترتيب مرجعي</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>أخذت %1 قناة ترتيب المرجع: %2 حسب القمر والمرسل المستجيب والخدمة، و%3 حسب الاسم.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>قوائم المفضلة: أعيد بناء %1، وأضيفت %2.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 قناة ليست في المرجع؛ تتبع بترتيبها:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>لم تجد %1 من مدخلات المرجع أي قناة:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>لا توجد قناة تلفزيونية مكررة.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>لا توجد قناة إذاعية مكررة.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 اسماً موجودة على أكثر من مرسل مستجيب؛ تم تحديد قنواتها.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 قناة هي الخدمة نفسها لقناة سابقة وقد تم تحديدها؛ %2 اسماً موجودة على أكثر من مرسل مستجيب.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 قناة من القائمة ليست في المرجع. هل توضع قبل القنوات التي يرتبها المرجع؟ (لا يضعها بعدها.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 قناة ليست في المرجع؛ تأتي أولاً بترتيبها:</translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareDlg</name>
    <message>
        <source>TV/radio</source>
        <translation>تلفزيون/راديو</translation>
    </message>
    <message>
        <source>stored number</source>
        <translation>الرقم المخزن</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID الخاص بـ PCR</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID الفيديو</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>الأعلام</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>المزود</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>start</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>قيم أخرى</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>سابقاً &quot;%1&quot;</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>القائمة &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>القنوات في قوائم المفضلة</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>إعدادات LNB</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>المؤقتات</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>إعدادات جهاز الاستقبال</translation>
    </message>
    <message>
        <source>added</source>
        <translation>مضافة</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>محذوفة</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>معاد تسميتها</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>منقولة</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>معدلة</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>لا توجد فروق.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>من &lt;b&gt;%1&lt;/b&gt; إلى &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>تصفية حسب الاسم</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>كل التغييرات</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>التغيير</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
</context>
<context>
    <name>tarnell::CDockPanes</name>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>اختر قمرًا صناعيًا في الشجرة لتحريره هنا.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>الترانسبوندر</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>اختر ترانسبوندر في الشجرة لتحريره هنا.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>اختر قناة في القائمة لتحريرها هنا.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>البحث عن القنوات</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>اكتب جزءًا من اسم القناة للعثور عليها.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>الأرقام المخزنة</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>إعادة الترقيم</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>إصلاح الأسماء</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>تم إصلاح مراجع أسماء القنوات.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>إزالة الترانسبوندرات غير المستخدمة</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>لم يُحذف أي ترانسبوندر غير مستخدم.</numerusform>
            <numerusform>حُذف ترانسبوندر واحد غير مستخدم.</numerusform>
            <numerusform>حُذف ترانسبوندران غير مستخدمين.</numerusform>
            <numerusform>حُذفت %n ترانسبوندرات غير مستخدمة.</numerusform>
            <numerusform>حُذف %n ترانسبوندرًا غير مستخدم.</numerusform>
            <numerusform>حُذف %n ترانسبوندر غير مستخدم.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>تصدير كنص...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>الفرز حسب القالب</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>أُعيد ترقيم القنوات.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>أُعيد ترقيم القنوات؛ لم ينقل القالب أي قناة إلى الأعلى.</numerusform>
            <numerusform>أُعيد ترقيم القنوات؛ نقل القالب قناة واحدة إلى الأعلى.</numerusform>
            <numerusform>أُعيد ترقيم القنوات؛ نقل القالب قناتين إلى الأعلى.</numerusform>
            <numerusform>أُعيد ترقيم القنوات؛ نقل القالب %n قنوات إلى الأعلى.</numerusform>
            <numerusform>أُعيد ترقيم القنوات؛ نقل القالب %n قناة إلى الأعلى.</numerusform>
            <numerusform>أُعيد ترقيم القنوات؛ نقل القالب %n قناة إلى الأعلى.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>صُدّرت قائمة القنوات إلى %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>ترقيم متسلسل</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>تراجع: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>إعادة: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>مزيد من الألوان...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>ملفات التعريف</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>ملف تعريف جديد</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>إعادة التشغيل بالأمر &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>اختبار تسجيل الدخول عبر FTP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>المنفذ:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>المستخدم:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>يجب أن يتكون عنوان جهاز الاستقبال من أربعة أعداد من 0 إلى 255 تفصل بينها نقاط، مثل 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>يجب أن يكون المنفذ عددًا صحيحًا من %1 إلى %2؛ يستخدم FTP عادةً المنفذ %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>جارٍ تسجيل الدخول إلى %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>أجهزة الاستقبال على شبكتك. تستخدم عمليات النقل ملف التعريف المحدد في القائمة؛ وتسري التغييرات فورًا وتبقى حتى بعد الإلغاء.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>لم يُعثر على ملف البيانات أو أنه قيد الاستخدام!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>خطأ في قراءة ملف البيانات!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>بيانات النظام تالفة!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>المصدر:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>مجلد...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>اختر المجلد الذي يحوي lamedb وملفات الباقات.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>ملف الإعدادات الأساسي:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>تُحفظ أقماره الصناعية وإعدادات جهاز الاستقبال؛ ولا يُغيَّر الملف نفسه.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>بدء الاستيراد</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>لا يوجد مصدر</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>الباقات (تلفزيون)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>الباقات (راديو)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>جارٍ قراءة الباقات...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>قائمة القنوات المراد استيرادها</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>ملف الإعدادات الأساسي</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>جارٍ استيراد قائمة القنوات...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>يُرجى التحقق من الملفات</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>تم الاستيراد: قنوات تلفزيون %1 وقنوات راديو %2، ومرسلات مستجيبة %3، وأقمار جديدة %4، وقوائم مفضلة %5.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>أُغفلت: مرسلات مستجيبة %1، لا توجد خانة مرسل مستجيب شاغرة.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>أُغفلت: مرسلات مستجيبة %1 لا يستطيع جهاز الاستقبال حفظ ترددها أو موقعها.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>أُغفلت: أقمار %1 بعد 255 (نُقلت مرسلاتها المستجيبة إلى آخر قمر).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>أُغفلت: خدمات %1، يتسع جهاز الاستقبال لـ 10,000 قناة على الأكثر.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>أُغفلت: خدمات %1 من نوع لا يعرضه جهاز الاستقبال (فقط 1 و2 و4 و22 و25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>ملاحظة: قنوات %1 بلا مرسل مستجيب.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>تقرير الاستيراد</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>خصائص القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>خصائص الترانسبوندر</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة التسمية</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>تمييز قائمة المفضلة</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>إزالة تمييز المفضلة</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>أرقام تسلسل المفضلة</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>حذف قائمة المفضلة</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>قائمة مفضلة جديدة</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>ترانسبوندر جديد</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>قناة جديدة</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>حذف قنوات الترانسبوندر</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>حذف الترانسبوندر</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>حذف ترانسبوندرات القمر الصناعي</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>قمر صناعي جديد</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>قائمة مفضلة جديدة من المزود</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>حسب الاسم</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>حسب الموقع المداري</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>بالترتيب المخزن</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>حسب الرقم</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>الأقمار التي تحتوي على قنوات</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>الأقمار التي لها إعدادات LNB</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (السيريلية)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (العربية)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (اليونانية)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (العبرية)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (التركية)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>ترتيب الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>الأقمار النشطة</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>ترتيب المزودين</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>صفحة ترميز المفضلة</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>تحتوي القائمة على 255 قمرًا صناعيًا، وهو أقصى ما يقبله جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>القمر الصناعي غير موجود في قائمة الأقمار الصناعية.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>تعذّر إنشاء ترانسبوندر جديد.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>فتح...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>حفظ باسم...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>حول Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>فرز</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>نمط القائمة</translation>
    </message>
    <message>
        <source>List</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>النوافذ</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Active Satellites Only</source>
        <translation>الأقمار النشطة فقط</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>أرقام الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>نص المفضلة</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>خلفية المفضلة</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>خيارات المفضلة</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>ملفات تعريف الشبكة</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>إرسال إلى جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>جلب قائمة القنوات</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>جلب قائمة القنوات والتهيئة</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>الترانسبوندرات</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>تهيئة جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>النمط</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>يحرر Tarnell 1018 قوائم القنوات وإعدادات أجهزة الاستقبال Octagon SF 1018 و SF 1028.

افتح ملف إعدادات (*.fdu, *.sys)‎ أو اجلب القائمة من جهاز الاستقبال، ثم اختر قمرًا صناعيًا أو ترانسبوندر أو مزودًا أو قائمة مفضلة في الشجرة على اليمين واعمل على قنواته في القائمة على اليسار. عند الانتهاء احفظ الملف أو أرسله مجددًا إلى جهاز الاستقبال.

المفاتيح: Ctrl+N جديد، Ctrl+O فتح، Ctrl+S حفظ، Ctrl+Z تراجع، Ctrl+Y إعادة، Ctrl+A تحديد الكل، Ctrl+W إغلاق، Shift+F1 ما هذا.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>صفحة المجتمع على الويب</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>نوافذ مبوبة</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>تتالي</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>تجانب</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>الحافظة</translation>
    </message>
    <message>
        <source>View</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>تلفزيون/راديو</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الإظهار</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>أُغلقت نافذة قائمة القنوات.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>قائمة القنوات %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>تعذّر فتح ملف الإعدادات.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>ملف الإعدادات %1 تالف. تعذّرت قراءة هذه الأجزاء منه:

%2

إذا فتحته فستكون القائمة بدونها، وحفظها أو إرسالها يفقدها نهائيًا. هل تريد فتحه على أي حال؟</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>ملف إعدادات تالف</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>قُرئت هذه القائمة من ملف تالف وتنقصها هذه الأجزاء: %1.

سيتلقاها جهاز الاستقبال بدونها. هل تريد إرسالها على أي حال؟</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>قُرئت هذه القائمة من ملف تالف وتنقصها هذه الأجزاء: %1.

ستُحفظ بدونها. هل تريد حفظها على أي حال؟</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>استيراد قوائم قنوات أخرى</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>اختيار اللغة</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>دليل المستخدم</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>دليل المستخدم غير مثبت.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>المزودون</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>يحتاج ملف تعريف الشبكة إلى اسم.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>يوجد بالفعل ملف تعريف شبكة باسم &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>التحديد بعد أمر المفضلة:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>يُلغى</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>يبقى كما هو</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>الأرقام في قائمة المفضلة:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>الأرقام المخزنة</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>القنوات الملصقة:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>إبقاؤها في قوائم المفضلة الخاصة بها</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>إخراجها من كل قوائم المفضلة</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>صفحة ترميز أسماء القوائم:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)‎</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>السيريلية، ISO 8859-5 (28595)‎</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>العربية، ISO 8859-6 (28596)‎</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>اليونانية، ISO 8859-7 (28597)‎</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>العبرية، ISO 8859-8 (28598)‎</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>التركية، ISO 8859-9 (28599)‎</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>يونيكود، UTF-8 (65001)‎</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>يكون القمر الصناعي نشطًا عندما:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>تكون إعدادات الهوائي الخاصة به قيد الاستخدام</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>تكون عليه قنوات مخزنة</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>تعرض قوائم الأقمار والترانسبوندرات والمزودين:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>قنوات التلفزيون والراديو</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>قنوات مفتاح التلفزيون/الراديو فقط</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>ترتيب الأقمار الصناعية في الشجرة:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>حسب الاسم</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>حسب الموقع المداري</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>كما هو مخزن في جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>المفضلة والأقمار الصناعية</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>كيف تُرقّم قوائم المفضلة وتُسمّى وتُحفظ، وأي الأقمار الصناعية تعرضها الشجرة وبأي ترتيب.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>متسلسلة 1، 2، 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>قبل الإرسال:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>الإرسال فوراً</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>عرض ما سيتغير على جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>الخيارات والمعلومات</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>طباعة سريعة</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>إعداد الطباعة...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>تصدير بصيغة PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>قائمة المفضلة</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>جميع القنوات</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>تعذّرت طباعة قائمة القنوات على %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>لا توجد طابعة مُعدّة. صدّر بصيغة PDF أو اطبع إلى ملف من نافذة الطباعة بدلاً من ذلك.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>تعذّرت كتابة ملف PDF %1: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>حُفظت صفحات الطباعة باسم %1.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>القمر الصناعي / المرسل المستجيب</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>من 0 إلى %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>تنتقل القناة إلى أول مرسل مستجيب للقمر الصناعي المختار.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>اسم القناة؛ الجزء الموجود بين قوسين زاويين مثل &lt;ARD&gt; لا يظهر في القائمة. يتسع سجل الاسم لـ 100 بايت.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>جدول الأحرف</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>تم تعديل الاسم</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>من 0 إلى 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>نوع الفيديو</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>نوع الصوت</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID الفيديو</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>قيمة الخدمة 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>وضع الصوت</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>مدفوع (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>العلامة M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>العلامة M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>الرقم المحفوظ</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>من 0 إلى 9999؛ تجد المؤقتات قناتها بهذا الرقم.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>يحتوي الاسم على أحرف لا يستطيع جدول أحرفه حفظها.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>الاسم طويل جدًا: يتسع سجل الاسم لـ 100 بايت.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>لا يملك القمر الصناعي أي مرسل مستجيب؛ تبقى القناة حيث هي.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>أبجدي</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>ترتيب الخصائص حسب الاسم بدلاً من المجموعات</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>توسيع الكل</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>فتح كل مجموعات الخصائص</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>لا يمكن تغيير هذه القيمة هنا.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: أدخل عددًا صحيحًا من %2 إلى %3.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: اختر أحد الخيارات.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخاصية</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>أُلغي الجلب من جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>جارٍ جلب قائمة القنوات والتهيئة من جهاز الاستقبال على %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>جارٍ جلب قائمة القنوات من جهاز الاستقبال على %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>جارٍ إرسال قائمة القنوات إلى جهاز الاستقبال على %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>تعذّر تجهيز قائمة القنوات لجهاز الاستقبال؛ لم يُرسل شيء.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>أُرسلت قائمة القنوات والتهيئة إلى جهاز الاستقبال على %1.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>أُرسلت قائمة القنوات إلى جهاز الاستقبال على %1.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>حُفظت ملفاته السابقة في &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>جارٍ إعادة تشغيل جهاز الاستقبال على %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>طُلب من جهاز الاستقبال على %1 إعادة التشغيل (%2)‎.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>لا يمكن قراءة القائمة الحالية لجهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>لم يُرسل شيء؛ قائمة جهاز الاستقبال لم تتغير.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>الإرسال يغيّر قائمة جهاز الاستقبال:

%1

هل تُرسل القائمة إلى جهاز الاستقبال؟</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>إرسال إلى جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>يجب أن يتكون رمز PIN من أربعة أرقام بالضبط.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>يجب أن يتكون العنوان من أربعة أرقام من 0 إلى 255 تفصل بينها نقاط، مثل 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>يجب أن يكون خط الطول بين 0 و180 درجة، بثلاث منازل عشرية على الأكثر.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>يجب أن يكون خط العرض بين 0 و90 درجة، بثلاث منازل عشرية على الأكثر.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>يحفظ جهاز الاستقبال هنا 127 حرفًا على الأكثر من نص أوروبا الغربية.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>لا يمكن حفظ هذه القيمة.</translation>
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
        <translation>يحرر قوائم القنوات وإعدادات أجهزة الاستقبال Octagon SF 1018 و SF 1028‏: القنوات وقوائم المفضلة والأقمار الصناعية والترانسبوندرات والمؤقتات وتهيئة جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>شكر</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>إلى كل مالك جهاز استقبال شارك قائمة قنوات وجرّب عمليات النقل على جهاز حقيقي.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>إلى القائمين على Qt وzlib وlibcurl، الذين يقوم هذا البرنامج على عملهم.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>الشركة المصنعة لجهاز الاستقبال</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon على الويب</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>عن هذا البرنامج والأشخاص الذين ساعدوا في صنعه وأين تجد الشركة المصنعة لجهاز الاستقبال.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>الموالف</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>المحرّك</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>هذه البيانات موجودة فقط في ملف ‎*.sys‎.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>يحتاج القمر الصناعي إلى اسم.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>يجب أن يكون الموقع من 0 إلى 180.0 درجة، بخانة عشرية واحدة على الأكثر.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>شرق / غرب</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>وضع الموالف</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>مدخل الموالف</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>ميغاهرتز</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>خيار LNB (البت 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>خط طول الموقع</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>خط عرض الموقع</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>نطاق المستخدم</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>تردد نطاق المستخدم</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>ميغاهرتز؛ يُحفظ %1 على الأكثر.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>الموضع A/B</translation>
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
        <translation>مدخلان</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>تمرير</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
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
        <translation>تستخدم أقمار صناعية أخرى سجل LNB هذا أيضًا، ولا مكان في القائمة لسجل آخر: لم يُجرَ التغيير.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>خطا الطول والعرض للموقع...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>إعدادات جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>الإحصائيات</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>القنوات حسب النوع</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>القنوات التلفزيونية:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>القنوات الإذاعية:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>جميع القنوات:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>المرسلات المستجيبة المستخدمة:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>الأقمار الصناعية:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>المؤقتات:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>الملف:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>الدوران:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>الإمالة:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>إزالة من قائمة المفضلة</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>حذف القنوات</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>قوائم المفضلة</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>إزالة من كل قوائم المفضلة</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>قناة تلفزيونية جديدة</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>قناة راديو جديدة</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>نقل إلى موضع...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>قنوات HD</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>القنوات المدفوعة</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>القنوات المميزة بـ M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>القنوات المميزة بـ M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>العلامات</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>تعيين M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>مسح M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>تعيين T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>مسح T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>تعيين T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>مسح T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>نسخ T 1 إلى T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>نسخ T 2 إلى T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>الفرز حسب الاسم</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>الفرز حسب الرقم</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>خصائص القناة</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>لا قنوات</numerusform>
            <numerusform>قناة واحدة</numerusform>
            <numerusform>قناتان</numerusform>
            <numerusform>%n قنوات</numerusform>
            <numerusform>%n قناة</numerusform>
            <numerusform>%n قناة</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>لا ينبغي أن تصل إلى هنا أبدًا...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>تعرض هذه القائمة قنوات التلفزيون والراديو معًا: انقل القنوات في قائمة جميع القنوات، أو اعرض نوعًا واحدًا فقط (الخيارات).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>المؤقتات</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>المدة (النهاية)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>المؤقت</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>نص المؤقت، %1 حرفاً على الأكثر.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>جدول المحارف</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>العلامة 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>العلامة 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>مؤقت جديد</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>حذف كل المؤقتات</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>يومياً</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>الإثنين-الجمعة</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>السبت-الأحد</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>أسبوعياً</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>الإثنين،</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>الثلاثاء،</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>الأربعاء،</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>الخميس،</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>الجمعة،</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>السبت،</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>الأحد،</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>يتسع المؤقت لـ %1 حرفاً؛ قُصّ النص إلى «%2».</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>الإحصائيات</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>المؤقتات</translation>
    </message>
</context>
<context>
    <name>tarnell::CTransponderWnd</name>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>القمر الصناعي للمرسل المستجيب؛ يُغيَّر بإنشاء المرسل المستجيب من جديد على قمر آخر.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>ميغاهرتز، من 1 إلى 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s، من 0 إلى 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>معرّف تدفق النقل</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>من 0 إلى 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>معرّف الشبكة الأصلية</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>نقل إلى موضع</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>الموضع الجديد للقنوات المحددة (%1 إلى %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>يُرجى إدخال رقم من %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>فضي</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>مائي</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>زيتوني</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>برقوقي</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>نحاسي</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>جرافيتي</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>أزرق مخضر ليلي</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>النوافذ</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>تنشيط(&amp;A)‎</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ(&amp;S)‎</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>إغلاق النافذة(&amp;C)‎</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>tarnell::CommandDescriptions</name>
    <message>
        <source>Start a new service list from the factory list.</source>
        <translation>بدء قائمة قنوات جديدة من قائمة المصنع.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>فتح ملف إعدادات (*.fdu, *.sys)‎ من القرص.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>حفظ قائمة القنوات النشطة.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>حفظ قائمة القنوات النشطة باسم جديد.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>إغلاق قائمة القنوات النشطة.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>طباعة قائمة القنوات.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>طباعة قائمة القنوات فورًا على الطابعة الافتراضية.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>عرض الصفحات كما ستُطبع.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>اختيار الطابعة والورق.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>استيراد قائمة Enigma2 (lamedb والباقات).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>استيراد قائمة Octagon 918/908/818 (*.udb)‎.</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>استيراد قائمة Octagon SD x18 (*.bin)‎.</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>التفضيلات والألوان وملفات تعريف الشبكة.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>كيف تتصرف قوائم المفضلة والأقمار الصناعية.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>أجهزة الاستقبال على شبكتك وكيفية الوصول إليها.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>إنهاء البرنامج؛ يسأل أولًا عن التغييرات غير المحفوظة.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>الإصدار والشكر.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>كيفية العمل مع البرنامج ومفاتيحه.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>انقر على أي جزء من النافذة لتعرف وظيفته.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>فتح موقع الشركة المصنعة لجهاز الاستقبال في المتصفح.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>اختيار ألوان البرنامج.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>إدراج القنوات من الحافظة.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>نقل القنوات المحددة إلى الحافظة.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>نسخ القنوات المحددة إلى الحافظة.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>تحديد كل قنوات القائمة.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>ترتيب القنوات.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>التبديل بين القائمة المفصلة والمختصرة.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>عرض القنوات في أعمدة مختصرة.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>عرض القنوات بكل أعمدتها.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>ترتيب النوافذ المفتوحة أو إظهار الأجزاء أو اختيار نافذة.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>عرض القنوات التلفزيونية.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>عرض قنوات الراديو.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>عرض الأقمار الصناعية المستخدمة فقط.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>عرض أرقام الأقمار الصناعية في الشجرة.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>لون نص قنوات قائمة المفضلة المميزة.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>لون خلفية قنوات قائمة المفضلة المميزة.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>جلب القائمة من جهاز الاستقبال أو إرسالها إليه مجددًا.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>تحميل قائمة القنوات من جهاز الاستقبال في نافذة جديدة.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>تحميل قائمة القنوات وتهيئة جهاز الاستقبال في نافذة جديدة.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>إرسال قائمة القنوات النشطة إلى جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>إعادة ترقيم القنوات بترتيب القائمة.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>فصل القنوات عن الأسماء غير الموجودة.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>كتابة القنوات المعروضة في ملف نصي.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>نقل قنوات Astra 19.2° شرقًا المعتادة إلى الأعلى.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>حذف كل ترانسبوندر لا تستخدمه أي قناة.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>عدّ القنوات والترانسبوندرات والأقمار الصناعية.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>عرض مؤقتات جهاز الاستقبال وتحريرها.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>تحرير تهيئة جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>إظهار خصائص القمر الصناعي وLNB أو إخفاؤها.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>إظهار خصائص الترانسبوندر أو إخفاؤها.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>إظهار خصائص القناة أو إخفاؤها.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>إظهار البحث عن القنوات أو إخفاؤه.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>استخدام هذه اللغة من التشغيل التالي للبرنامج.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>استيراد قائمة قنوات جهاز استقبال آخر.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>التراجع عن آخر تغيير.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>إعادة التغيير الذي تم التراجع عنه.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>عرض الأرقام المخزنة مع القنوات واستخدامها بدلًا من الترقيم المتسلسل.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>عرض الترقيم المتسلسل في نتائج البحث.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>إزالة الترانسبوندرات التي لا تستخدمها أي قناة.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>حذف القنوات المحددة أو إخراجها من قائمة المفضلة المعروضة.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>إضافة قناة جديدة بعد القناة المحددة.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>نقل القنوات المحددة إلى موضع تُدخله.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>نقل القنوات المحددة موضعًا واحدًا لأعلى.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>نقل القنوات المحددة موضعًا واحدًا لأسفل.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>ترقيم القنوات بالترتيب الذي تعرضه القائمة.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>إخراج القنوات المحددة من كل قوائم المفضلة.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>تحديد قنوات HD.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>تحديد القنوات المدفوعة.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>تحديد القنوات المعلَّمة M 1.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>تحديد القنوات المعلَّمة M 2.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>تعليم القنوات المحددة بـ M 1.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>إزالة العلامة M 1 من القنوات المحددة.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>تعيين T 1 للقنوات المحددة.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>إزالة T 1 من القنوات المحددة.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>تعيين T 2 للقنوات المحددة.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>إزالة T 2 من القنوات المحددة.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>جعل T 2 للقنوات المحددة مثل T 1 الخاص بها.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>جعل T 1 للقنوات المحددة مثل T 2 الخاص بها.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>فرز القائمة حسب اسم القناة.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>فرز القائمة حسب رقم القناة.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>عرض خصائص القناة المحددة.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>إضافة القنوات المحددة إلى قائمة المفضلة هذه؛ والعضو المنفرد يخرج منها.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>حفظ صفحات طباعة قائمة القنوات كملف PDF.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>فتح دليل المستخدم في المتصفح.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>عرض الفروق بين هذه القائمة وملف أو قائمة جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>مقارنة هذه القائمة بملف إعدادات: قنوات مضافة ومحذوفة ومعاد تسميتها ومنقولة؛ المفضلة والأقمار والمرسلات المستجيبة والمؤقتات.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>جلب قائمة جهاز الاستقبال وعرض ما سيغيره الإرسال فيها.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>ترتيب هذه القائمة مثل ملف إعدادات آخر أو باقة Enigma2 أو نص بأسماء القنوات.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>تحديد القنوات التي هي الخدمة نفسها لقناة سابقة.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>فتح أو إرسال إحدى قوائم جهاز الاستقبال المحفوظة قبل كل إرسال.</translation>
    </message>
</context>
</TS>
