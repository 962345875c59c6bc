#pragma once
// Where a saved site's files go in an export: OUT/HOST/PATH.html for a page,
// OUT/HOST/PATH for an attachment, named from the address alone so that the
// same archive exported again gives the same names. A port becomes
// "HOST_PORT", a query "@QUERY", and any character a file name or a link
// cannot hold plainly becomes "_XX" (its bytes in hex).

#include "export/ArchiveExport.h"
#include "export/PageNames.h"

#include <QString>
#include <QStringList>

namespace sumire {

class ArchiveFetcher;

// The output name for the archive name of a page or an attachment
// ("host:8080/a/cgi?x=1" -> "host_8080/a/cgi@x=1.html").
QString siteOutputName(const QString& archiveName, bool page);

// The output name for a file a page carries in its own text, beside the
// page's output `pageOutput` ("host/a/p.html", "tune.dxm" -> "host/a/tune.dxm").
QString siteAttachmentBeside(const QString& pageOutput, const QString& name);

// Every page address the archive answers, in the order of their names: each
// file whose address names it again, but no picture, melody or data file.
QStringList archivePageAddresses(const ArchiveFetcher& archive);

// `file` made unique among `names` ("a.html", then "a-2.html", ...).
QString takeName(UniqueNames& names, const QString& file);

}  // namespace sumire
