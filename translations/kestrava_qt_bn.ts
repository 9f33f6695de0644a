<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না (&amp;N)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ করুন</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সহায়তা</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>আগের অবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছে ফেলুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>আগের অবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>লিংকের ঠিকানা কপি করুন (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছে ফেলুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>সব নির্বাচন করুন (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>এক বাড়ান (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>এক কমান (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>এখানে দেখুন:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>পিছনে</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>পিছনে যান</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>সামনে</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>সামনে যান</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>উপরের ফোল্ডার</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>উপরের ফোল্ডারে যান</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>একটি নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>তালিকা দৃশ্য</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>তালিকা আকারে দেখান</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>বিবরণ দৃশ্য</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>বিবরণসহ দেখান</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>পাশের প্যানেল</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>স্থান ও বুকমার্কের তালিকা</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ফাইলের ধরন:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ফাইলের নাম (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>খুলুন (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>সংরক্ষণ করুন (&amp;S)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>সব ফাইল (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>নাম বদলান (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>মুছে ফেলুন (&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>লুকানো ফাইল দেখান (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>নতুন ফোল্ডার (&amp;N)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 আগে থেকেই আছে।
আপনি কি এর জায়গায় নতুন ফাইলটি রাখতে চান?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>কম্পিউটার</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>আকার</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>পরিবর্তনের তারিখ</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ড্রাইভ</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>ফোল্ডার</translation>
    </message>
</context>
</TS>
