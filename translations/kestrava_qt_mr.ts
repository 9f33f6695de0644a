<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नाही (&amp;N)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करा</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदत</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करा (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>दुव्याचा पत्ता कॉपी करा (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>सर्व निवडा (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>एकने वाढवा (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>एकने कमी करा (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>येथे पाहा:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>मागे</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>मागे जा</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>पुढे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>पुढे जा</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>वरचे फोल्डर</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>वरच्या फोल्डरमध्ये जा</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नवीन फोल्डर तयार करा</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>एक नवीन फोल्डर तयार करा</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>यादी दृश्य</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>यादीच्या स्वरूपात दाखवा</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>तपशील दृश्य</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>तपशिलांसह दाखवा</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>बाजूपट्टी</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>ठिकाणे आणि बुकमार्क यांची यादी</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फायली</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फायलीचा प्रकार:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फायलीचे नाव (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>उघडा (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>जतन करा (&amp;S)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सर्व फायली (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाव बदला (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>काढून टाका (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>लपवलेल्या फायली दाखवा (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नवीन फोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 आधीपासून अस्तित्वात आहे.
तिच्या जागी नवीन फाइल ठेवायची का?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>संगणक</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलल्याची तारीख</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ड्राइव्ह</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>फोल्डर</translation>
    </message>
</context>
</TS>
