<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>భద్రపరచు</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>తెరువు</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దుచేయి</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>అవును (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>కాదు (&amp;N)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>వర్తింపజేయి</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>సహాయం</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>చర్యను రద్దుచేయి (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>మళ్ళీ చేయి (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>కత్తిరించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>కాపీ చేయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>అతికించు (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>తొలగించు</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>చర్యను రద్దుచేయి (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>మళ్ళీ చేయి (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>కత్తిరించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>కాపీ చేయి (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>లింకు చిరునామాను కాపీ చేయి (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>అతికించు (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>తొలగించు</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>అన్నీ ఎంచుకో (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>ఒకటి పెంచు (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>ఒకటి తగ్గించు (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>ఇక్కడ చూడు:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>వెనుకకు</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>వెనుకకు వెళ్ళు</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ముందుకు</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>ముందుకు వెళ్ళు</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>పై ఫోల్డర్</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>పై ఫోల్డర్‌కు వెళ్ళు</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>కొత్త ఫోల్డర్ సృష్టించు</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ఒక కొత్త ఫోల్డర్ సృష్టించు</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>జాబితా వీక్షణ</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>జాబితాగా చూపించు</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>వివరాల వీక్షణ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>వివరాలతో చూపించు</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>పక్కపట్టీ</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>స్థలాలు, బుక్‌మార్కుల జాబితా</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ఫైళ్ళు</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ఫైలు రకం:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ఫైలు పేరు (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>తెరువు (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>భద్రపరచు (&amp;S)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>అన్ని ఫైళ్ళు (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>పేరు మార్చు (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>తొలగించు (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>దాచిన ఫైళ్ళను చూపించు (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>కొత్త ఫోల్డర్ (&amp;N)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ఇప్పటికే ఉంది.
దాని స్థానంలో కొత్త ఫైలును ఉంచాలా?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>కంప్యూటర్</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>పరిమాణం</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>రకం</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>మార్చిన తేదీ</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>డ్రైవ్</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>ఫోల్డర్</translation>
    </message>
</context>
</TS>
