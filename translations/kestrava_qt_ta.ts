<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>பயன்படுத்து</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>உதவி</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>இணைப்பு முகவரியை நகலெடு (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>ஒன்று கூட்டு (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>ஒன்று குறை (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>இங்கே பார்:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>பின்னே செல்</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>முன்செல்</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>முன்னே செல்</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>மேல் கோப்புறை</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>மேல் கோப்புறைக்குச் செல்</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>புதிய கோப்புறை உருவாக்கு</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ஒரு புதிய கோப்புறையை உருவாக்கு</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>பட்டியல் காட்சி</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>பட்டியலாகக் காட்டு</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>விவரக் காட்சி</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>விவரங்களுடன் காட்டு</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>பக்கப்பட்டி</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>இடங்கள், புத்தகக்குறிகளின் பட்டியல்</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>கோப்புகள்</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>கோப்பு வகை:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>கோப்பின் பெயர் (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>எல்லாக் கோப்புகளும் (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>பெயர் மாற்று (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>மறைந்த கோப்புகளைக் காட்டு (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>புதிய கோப்புறை (&amp;N)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ஏற்கெனவே உள்ளது.
அதற்குப் பதிலாகப் புதிய கோப்பை வைக்கவா?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>கணினி</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>அளவு</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>மாற்றிய தேதி</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>இயக்ககம்</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>கோப்புறை</translation>
    </message>
</context>
</TS>
