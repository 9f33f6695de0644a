<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>સાચવો</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ખોલો</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>હા (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ના (&amp;N)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>લાગુ કરો</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>મદદ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ચોંટાડો (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>લિંકનું સરનામું નકલ કરો (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ચોંટાડો (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>બધું પસંદ કરો (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>એક વધારો (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>એક ઘટાડો (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>અહીં જુઓ:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>પાછળ</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>પાછળ જાઓ</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>આગળ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>આગળ જાઓ</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ઉપરનું ફોલ્ડર</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ઉપરના ફોલ્ડરમાં જાઓ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>નવું ફોલ્ડર બનાવો</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>એક નવું ફોલ્ડર બનાવો</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>યાદી દૃશ્ય</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>યાદી રૂપે બતાવો</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>વિગત દૃશ્ય</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>વિગતો સાથે બતાવો</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>બાજુની પટ્ટી</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>સ્થળો અને બુકમાર્કની યાદી</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ફાઇલો</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ફાઇલનો પ્રકાર:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ફાઇલનું નામ (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ખોલો (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>સાચવો (&amp;S)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>બધી ફાઇલો (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>નામ બદલો (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>કાઢી નાખો (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>છુપાયેલી ફાઇલો બતાવો (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>નવું ફોલ્ડર (&amp;N)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 પહેલેથી જ છે.
શું તમે તેની જગ્યાએ નવી ફાઇલ મૂકવા માંગો છો?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>કમ્પ્યુટર</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>નામ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>કદ</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>પ્રકાર</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>ફેરફારની તારીખ</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ડ્રાઇવ</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>ફોલ્ડર</translation>
    </message>
</context>
</TS>
