#include "invoices/einvoice/SchemaCheck.h"

#include <QFile>

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlschemas.h>

#include <memory>

namespace {

const char *const SignatureSchemaAddress =
    "http://www.w3.org/TR/2002/REC-xmldsig-core-20020212/xmldsig-core-schema.xsd";

QByteArray resource(const char *name) {
    QFile file(QStringLiteral(":/resources/fatturapa/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Serves the signature schema from the program's copy; refuses everything else.
xmlParserInputPtr localOnly(const char *url, const char *, xmlParserCtxtPtr context) {
    if (!url || qstrcmp(url, SignatureSchemaAddress) != 0)
        return nullptr;
    static const QByteArray signature = resource("xmldsig-core-schema.xsd");
    xmlParserInputBufferPtr buffer =
        xmlParserInputBufferCreateMem(signature.constData(), int(signature.size()), XML_CHAR_ENCODING_NONE);
    if (!buffer)
        return nullptr;
    xmlParserInputPtr input = xmlNewIOInputStream(context, buffer, XML_CHAR_ENCODING_NONE);
    if (!input) {
        xmlFreeParserInputBuffer(buffer);
        return nullptr;
    }
    input->filename = reinterpret_cast<char *>(xmlCharStrdup(url));
    return input;
}

struct SchemaDeleter {
    void operator()(xmlSchemaPtr schema) const { xmlSchemaFree(schema); }
};

void ignore(void *, xmlErrorPtr) {}

// Parsed once per run: the check of every later invoice costs only the validation.
xmlSchemaPtr schema() {
    static const std::unique_ptr<xmlSchema, SchemaDeleter> parsed([] {
        xmlInitParser();
        xmlSetExternalEntityLoader(localOnly);
        static const QByteArray bytes = resource("Schema_del_file_xml_FatturaPA_v1.2.2.xsd");
        xmlSchemaParserCtxtPtr context = xmlSchemaNewMemParserCtxt(bytes.constData(), int(bytes.size()));
        if (!context)
            return static_cast<xmlSchemaPtr>(nullptr);
        xmlSchemaSetParserStructuredErrors(context, ignore, nullptr);
        xmlSchemaPtr result = xmlSchemaParse(context);
        xmlSchemaFreeParserCtxt(context);
        return result;
    }());
    return parsed.get();
}

QString between(const QString &text, const QString &open, const QString &close) {
    const qsizetype from = text.indexOf(open);
    if (from < 0)
        return {};
    const qsizetype start = from + open.size(), end = text.indexOf(close, start);
    return end < 0 ? QString() : text.mid(start, end - start);
}

// libxml2's "Expected is ( CAP )." or "Expected is one of ( NumeroCivico, CAP )."
QString expected(const QString &detail) {
    const qsizetype at = detail.indexOf(QLatin1String("Expected is"));
    if (at < 0)
        return {};
    const QString list = between(detail.mid(at), QStringLiteral("( "), QStringLiteral(" )"));
    return list.contains(QLatin1Char(',')) ? QStringLiteral("uno tra ") + list : list;
}

// The user's words for libxml2's most common findings.
QString italian(const QString &element, const QString &detail) {
    const QString name = element.isEmpty() ? QStringLiteral("(documento)") : element;
    if (detail.contains(QLatin1String("This element is not expected"))) {
        const QString missing = expected(detail);
        return missing.isEmpty()
                   ? QStringLiteral("L'elemento %1 non è previsto in quel punto della fattura.").arg(name)
                   : QStringLiteral("L'elemento %1 non è previsto in quel punto: prima manca %2.")
                         .arg(name, missing);
    }
    if (detail.contains(QLatin1String("Missing child element")))
        return QStringLiteral("Nell'elemento %1 manca il dato obbligatorio %2.").arg(name, expected(detail));
    if (detail.contains(QLatin1String("[facet 'pattern']")))
        return QStringLiteral("Il valore di %1 contiene caratteri non ammessi, è vuoto o è troppo lungo.")
            .arg(name);
    if (detail.contains(QLatin1String("[facet 'enumeration']")))
        return QStringLiteral("Il valore di %1 non è tra i codici ammessi.").arg(name);
    if (detail.contains(QLatin1String("[facet '")))
        return QStringLiteral("Il valore di %1 ha una lunghezza o un valore non ammessi.").arg(name);
    if (detail.contains(QLatin1String("is not a valid value")))
        return QStringLiteral("Il valore di %1 non è valido.").arg(name);
    return QStringLiteral("L'elemento %1 non è conforme allo schema della fattura elettronica.").arg(name);
}

void collect(void *found, xmlErrorPtr error) {
    if (!error || error->level < XML_ERR_ERROR)
        return;
    SchemaError e;
    e.line = error->line;
    e.detail = QString::fromUtf8(error->message).trimmed();
    if (error->node && static_cast<xmlNodePtr>(error->node)->name)
        e.element =
            QString::fromUtf8(reinterpret_cast<const char *>(static_cast<xmlNodePtr>(error->node)->name));
    else
        e.element = between(e.detail, QStringLiteral("Element '"), QStringLiteral("'"));
    e.message = italian(e.element, e.detail);
    static_cast<QList<SchemaError> *>(found)->append(e);
}

} // namespace

namespace SchemaCheck {

QByteArray schemaBytes() { return resource("Schema_del_file_xml_FatturaPA_v1.2.2.xsd"); }
QByteArray signatureSchemaBytes() { return resource("xmldsig-core-schema.xsd"); }

QList<SchemaError> errors(const QByteArray &xml) {
    QList<SchemaError> found;
    xmlSchemaPtr loaded = schema();
    if (!loaded) {
        found << SchemaError{
            {}, 0, QStringLiteral("Lo schema della fattura elettronica non si può leggere."), {}};
        return found;
    }
    xmlDocPtr doc = xmlReadMemory(xml.constData(), int(xml.size()), "fattura.xml", nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) {
        const xmlError *last = xmlGetLastError();
        found << SchemaError{{},
                             last ? last->line : 0,
                             QStringLiteral("Il file della fattura non è un documento XML leggibile."),
                             last ? QString::fromUtf8(last->message).trimmed() : QString()};
        return found;
    }
    xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(loaded);
    if (!context) {
        xmlFreeDoc(doc);
        found << SchemaError{
            {}, 0, QStringLiteral("Il controllo della fattura elettronica non si può avviare."), {}};
        return found;
    }
    xmlSchemaSetValidStructuredErrors(context, collect, &found);
    const int result = xmlSchemaValidateDoc(context, doc);
    xmlSchemaFreeValidCtxt(context);
    xmlFreeDoc(doc);
    if (result != 0 && found.isEmpty())
        found << SchemaError{{}, 0, QStringLiteral("La fattura elettronica non è conforme allo schema."), {}};
    return found;
}

} // namespace SchemaCheck
