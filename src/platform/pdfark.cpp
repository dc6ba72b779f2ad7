#include "pdfark.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <string>

namespace Pdfark {

namespace {

void laes(QPDF &dok, const QByteArray &pdf) {
    dok.processMemoryFile("bog", pdf.constData(), size_t(pdf.size()));
}

} // namespace

QList<int> ark(const QByteArray &pdf, const QStringList &navne) {
    try {
        QPDF dok;
        laes(dok, pdf);
        std::map<QPDFObjGen, int> nr;
        for (QPDFPageObjectHelper &a : QPDFPageDocumentHelper(dok).getAllPages())
            nr.emplace(a.getObjectHandle().getObjGen(), int(nr.size()) + 1);
        // The engine lists its named places in the catalogue's /Dests: name -> [sheet ...].
        QPDFObjectHandle steder = dok.getRoot().getKey("/Dests");
        QList<int> ud;
        for (const QString &navn : navne) {
            QPDFObjectHandle sted = steder.isDictionary() ? steder.getKey('/' + navn.toStdString())
                                                          : QPDFObjectHandle::newNull();
            if (sted.isDictionary()) sted = sted.getKey("/D");
            ud << (sted.isArray() && sted.getArrayNItems() > 0
                       ? nr[sted.getArrayItem(0).getObjGen()]
                       : 0);
        }
        return ud;
    } catch (const std::exception &) {
        return {};
    }
}

QByteArray nummerer(const QByteArray &pdf) {
    try {
        QPDF dok;
        laes(dok, pdf);
        // Helvetica is one of the fonts every reader has; its digits are all 0.556 em wide.
        const QPDFObjectHandle skrift = dok.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
        constexpr double punkt = 9, fod = 24;
        int nr = 0;
        for (QPDFPageObjectHelper &ark : QPDFPageDocumentHelper(dok).getAllPages()) {
            const std::string tal = std::to_string(++nr);
            QPDFObjectHandle kilder = ark.getAttribute("/Resources", true);
            if (!kilder.isDictionary()) {
                kilder = QPDFObjectHandle::newDictionary();
                ark.getObjectHandle().replaceKey("/Resources", kilder);
            }
            QPDFObjectHandle skrifter = kilder.getKey("/Font");
            if (!skrifter.isDictionary()) {
                skrifter = QPDFObjectHandle::newDictionary();
                kilder.replaceKey("/Font", skrifter);
            }
            skrifter.replaceKey("/DagbogSidetal", skrift);
            const QPDFObjectHandle::Rectangle r = ark.getMediaBox().getArrayAsRectangle();
            const double x = (r.llx + r.urx) / 2 - tal.size() * 0.556 * punkt / 2;
            // The sheet's own drawing is closed in q/Q, so the number is set in a clean state.
            ark.addPageContents(QPDFObjectHandle::newStream(&dok, "q\n"), true);
            ark.addPageContents(QPDFObjectHandle::newStream(
                                    &dok, "\nQ\nq BT 0 g /DagbogSidetal " + std::to_string(punkt) +
                                              " Tf " + std::to_string(x) + ' ' +
                                              std::to_string(r.lly + fod) + " Td (" + tal +
                                              ") Tj ET Q\n"),
                                false);
        }
        QPDFWriter skriver(dok);
        skriver.setOutputMemory();
        skriver.write();
        const std::shared_ptr<Buffer> ud = skriver.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(ud->getBuffer()),
                          qsizetype(ud->getSize()));
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace Pdfark
