// The bookmarks HTML file every browser exports: folders as <DL> lists, each named by the <H3>
// before it, bookmarks as <A HREF> links. The parser fixes up the file's loose HTML as it likes
// (a <DT> is never closed), so the folders are found from the order of the tags, not the tree:
// a <DL> opens the folder last named, its end closes it.
#include "support/Bookmarks.h"
#include "support/HtmlTidy.h"
#include "support/MixedUtf8.h"

#include <QUtf8StringView>
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>
#include <optional>

namespace
{

class HtmlReader
{
public:
    explicit HtmlReader(Bookmark& root) : m_folders{&root} {}

    static void StartElement(void* self, const xmlChar* name, const xmlChar** attributes)
    {
        static_cast<HtmlReader*>(self)->Start(Text(name), attributes);
    }
    static void EndElement(void* self, const xmlChar* name)
    {
        static_cast<HtmlReader*>(self)->End(Text(name));
    }
    static void Characters(void* self, const xmlChar* text, int length)
    {
        auto* reader = static_cast<HtmlReader*>(self);
        if (reader->m_inText)
            reader->m_text += QString::fromUtf8(reinterpret_cast<const char*>(text), length);
    }

private:
    static QString Text(const xmlChar* text)
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(text));
    }

    // Only an anchor that a <DT> starts is a bookmark: one in a bookmark's description (<DD>) is
    // part of its text. A fragment without a list, as the clipboard's, is taken as it comes.
    void Start(const QString& name, const xmlChar** attributes)
    {
        const bool afterDt = m_afterDt;
        m_afterDt = name == u"dt";
        if (name == u"a") {
            const std::optional<QString> href = Href(attributes);
            if (href && (afterDt || !m_listSeen)) {
                m_address = *href;
                Collect();
            }
        } else if (name == u"h3") {
            Collect();
        } else if (name == u"dl") {
            OpenFolder();
        }
    }

    void End(const QString& name)
    {
        if (name == u"a" && m_inText) {
            Bookmark bookmark;
            bookmark.title = Bookmarks::Title(m_text);
            bookmark.address = m_address;
            m_folders.back()->entries << bookmark;
        } else if (name == u"h3" && m_inText) {
            m_folderTitle = Bookmarks::Title(m_text);
            m_named = true;
        } else if (name == u"dl") {
            if (m_opened.takeLast())
                m_folders.pop_back();
        }
        if (name == u"a" || name == u"h3")
            m_inText = false;
    }

    void Collect()
    {
        m_text.clear();
        m_inText = true;
        m_named = false;
    }

    // The list right after a folder's name holds that folder; the outermost list, any list
    // without a name before it, and a folder deeper than any kept hold entries of the folder they
    // stand in.
    void OpenFolder()
    {
        m_listSeen = true;
        m_named = m_named && m_folders.size() <= Bookmarks::MaxFolderDepth;
        m_opened << m_named;
        if (!m_named)
            return;
        m_named = false;
        Bookmark folder;
        folder.title = m_folderTitle;
        folder.isFolder = true;
        m_folders.back()->entries << folder;
        m_folders.push_back(&m_folders.back()->entries.back());
    }

    // An anchor without an address marks a place in a page: it is no bookmark.
    static std::optional<QString> Href(const xmlChar** attributes)
    {
        for (const xmlChar** a = attributes; a && a[0]; a += 2)
            if (xmlStrcasecmp(a[0], reinterpret_cast<const xmlChar*>("href")) == 0)
                return a[1] ? Text(a[1]) : QString();
        return std::nullopt;
    }

    // The folder being filled last; a folder's entries grow only while it is last.
    QList<Bookmark*> m_folders;
    QList<bool> m_opened;
    QString m_text, m_address, m_folderTitle;
    bool m_inText = false;
    bool m_named = false;
    bool m_afterDt = false;
    bool m_listSeen = false;
};

// Whether the file names a character set of its own other than UTF-8.
bool DeclaresOtherCharset(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(1024).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at < 0)
        return false;
    QByteArray name = head.mid(at + 8).trimmed();
    if (name.startsWith('"') || name.startsWith('\''))
        name.remove(0, 1);
    return !name.startsWith("utf-8") && !name.startsWith("utf8");
}

} // namespace

namespace Bookmarks
{

// Browsers write the file in UTF-8, and say so; a file that names another character set is read
// in that one. In a file that says UTF-8, or nothing, a byte that is not UTF-8 spoils only its own
// character, read as windows-1252.
Bookmark ReadHtml(const QByteArray& bytes)
{
    Bookmark root;
    root.isFolder = true;
    HtmlReader reader(root);
    htmlSAXHandler sax = {};
    sax.startElement = &HtmlReader::StartElement;
    sax.endElement = &HtmlReader::EndElement;
    sax.characters = &HtmlReader::Characters;
    const bool utf8 = !DeclaresOtherCharset(bytes) || QUtf8StringView(bytes).isValidUtf8();
    const QByteArray html = HtmlTidy::ForBookmarks(utf8 ? MixedUtf8::ToUtf8(bytes) : bytes);
    htmlParserCtxtPtr context = htmlCreateMemoryParserCtxt(html.constData(), int(html.size()));
    if (!context)
        return root;
    // The context frees its handler with itself: it gets its own back first.
    htmlSAXHandlerPtr own = context->sax;
    context->sax = &sax;
    context->userData = &reader;
    htmlCtxtUseOptions(context, HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                    HTML_PARSE_NONET);
    if (utf8)
        xmlSwitchEncoding(context, XML_CHAR_ENCODING_UTF8);
    htmlParseDocument(context);
    context->sax = own;
    htmlFreeParserCtxt(context);
    return root;
}

} // namespace Bookmarks
