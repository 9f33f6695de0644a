<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ತೆರೆ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ಹೌದು (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ಇಲ್ಲ (&amp;N)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>ಅನ್ವಯಿಸು</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ಸಹಾಯ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ಹಿಂದಿನಂತೆ ಮಾಡು (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡು (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸು (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸು (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ಅಳಿಸು</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆರಿಸು</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ಹಿಂದಿನಂತೆ ಮಾಡು (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡು (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸು (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸು (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>ಕೊಂಡಿಯ ವಿಳಾಸವನ್ನು ನಕಲಿಸು (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸು (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ಅಳಿಸು</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆರಿಸು</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆರಿಸು (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>ಒಂದು ಹೆಚ್ಚಿಸು (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>ಒಂದು ಕಡಿಮೆ ಮಾಡು (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>ಇಲ್ಲಿ ನೋಡು:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ಹಿಂದಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>ಹಿಂದಕ್ಕೆ ಹೋಗು</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ಮುಂದಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>ಮುಂದಕ್ಕೆ ಹೋಗು</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ಮೇಲಿನ ಫೋಲ್ಡರ್</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ಮೇಲಿನ ಫೋಲ್ಡರ್‌ಗೆ ಹೋಗು</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>ಹೊಸ ಫೋಲ್ಡರ್ ರಚಿಸು</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ಒಂದು ಹೊಸ ಫೋಲ್ಡರ್ ರಚಿಸು</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>ಪಟ್ಟಿ ನೋಟ</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>ಪಟ್ಟಿಯಾಗಿ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>ವಿವರ ನೋಟ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>ವಿವರಗಳೊಂದಿಗೆ ತೋರಿಸು</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>ಪಕ್ಕದ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>ಸ್ಥಳಗಳ ಮತ್ತು ಬುಕ್‌ಮಾರ್ಕ್‌ಗಳ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ಕಡತಗಳು</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ಕಡತದ ಬಗೆ:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ಕಡತದ ಹೆಸರು (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ತೆರೆ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ಉಳಿಸು (&amp;S)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>ಎಲ್ಲ ಕಡತಗಳು (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>ಹೆಸರು ಬದಲಿಸು (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ಅಳಿಸು (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>ಅಡಗಿಸಿದ ಕಡತಗಳನ್ನು ತೋರಿಸು (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>ಹೊಸ ಫೋಲ್ಡರ್ (&amp;N)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ಈಗಾಗಲೇ ಇದೆ.
ಅದರ ಬದಲಿಗೆ ಹೊಸ ಕಡತವನ್ನು ಇಡಬೇಕೆ?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>ಗಣಕ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ಗಾತ್ರ</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>ಬಗೆ</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>ಬದಲಿಸಿದ ದಿನಾಂಕ</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ಡ್ರೈವ್</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>ಫೋಲ್ಡರ್</translation>
    </message>
</context>
</TS>
