// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmppacket.h"

#include <QLoggingCategory>
#include <mutex>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "jpegsegments.h"
#include "metadatalibrary.h"

// The metadata library's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

Q_LOGGING_CATEGORY(lcXmp, "zelvane.xmp", QtWarningMsg)

namespace {

const char* const CoreUri = "http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/";
const char* const ExtUri = "http://iptc.org/std/Iptc4xmpExt/2008-02-29/";
const char* const PhotoshopUri = "http://ns.adobe.com/photoshop/1.0/";
const char* const ZelvaneUri = MetadataLibrary::ZelvaneNamespace;

// The library's keys of the attribute properties. Its keys name a
// namespace by the prefix it registered for it, so they are made from the
// namespaces' URIs once the library is set up.
struct TKeys {
  std::string Title = "Xmp.dc.title";
  std::string Description = "Xmp.dc.description";
  std::string Location, Shown, ShownFirst, Persons, DateCreated, ExtPrefix, Own;

  static const TKeys& Get() {
    static const TKeys keys = [] {
      TKeys k;
      const std::string core = Exiv2::XmpProperties::prefix(CoreUri);
      const std::string ext = Exiv2::XmpProperties::prefix(ExtUri);
      const std::string photoshop = Exiv2::XmpProperties::prefix(PhotoshopUri);
      k.Location = "Xmp." + core + ".Location";
      k.Shown = "Xmp." + ext + ".LocationShown";
      k.ShownFirst = k.Shown + "[1]";
      k.ExtPrefix = ext;
      k.Persons = "Xmp." + ext + ".PersonInImage";
      k.DateCreated = "Xmp." + photoshop + ".DateCreated";
      k.Own = "Xmp." + Exiv2::XmpProperties::prefix(ZelvaneUri) + ".";
      return k;
    }();
    return keys;
  }

  // A field's key within a structure names the field with the prefix the
  // packet itself used for its namespace, whatever the library's own is.
  [[nodiscard]] bool IsShownSublocation(const std::string& key) const {
    const std::string start = ShownFirst + "/";
    return key.size() > start.size() && key.rfind(start, 0) == 0 && key.find('/', start.size()) == std::string::npos &&
           key.size() >= 12 && key.compare(key.size() - 12, 12, ":Sublocation") == 0;
  }

  [[nodiscard]] bool IsOwn(const std::string& key) const { return key.rfind(Own, 0) == 0; }

  [[nodiscard]] bool IsAttribute(const std::string& key) const {
    return IsOwn(key) || key == Title || key == Description || key == Location || key == Shown || key == ShownFirst ||
           IsShownSublocation(key) || key == Persons || key == DateCreated;
  }

  // The key of the first location's sublocation: the one there is, else one
  // with the prefix of its sibling fields, else with the library's prefix.
  [[nodiscard]] std::string ShownSublocation(const Exiv2::XmpData& data) const {
    const std::string start = ShownFirst + "/";
    std::string sibling;
    for (const Exiv2::Xmpdatum& d : data) {
      const std::string key = d.key();
      if (IsShownSublocation(key)) return key;
      if (sibling.empty() && key.rfind(start, 0) == 0) {
        const auto colon = key.find(':', start.size());
        if (colon != std::string::npos) sibling = key.substr(start.size(), colon - start.size());
      }
    }
    return start + (sibling.empty() ? ExtPrefix : sibling) + ":Sublocation";
  }
};

QString FromStd(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string ToStd(const QString& text) { return text.toUtf8().toStdString(); }

Exiv2::XmpData::iterator Find(Exiv2::XmpData& data, const std::string& key) { return data.findKey(Exiv2::XmpKey(key)); }

void Erase(Exiv2::XmpData& data, const std::string& key) {
  for (auto it = Find(data, key); it != data.end(); it = Find(data, key)) data.erase(it);
}

bool HasKeyStartingWith(const Exiv2::XmpData& data, const std::string& start) {
  return std::any_of(data.begin(), data.end(), [&](const Exiv2::Xmpdatum& d) { return d.key().rfind(start, 0) == 0; });
}

// Sets the x-default text of a language alternative, keeping its other
// languages; an empty text removes it (and the property with its last).
void SetAltText(Exiv2::XmpData& data, const std::string& key, const QString& text) {
  Exiv2::LangAltValue value;
  const auto it = Find(data, key);
  if (it != data.end()) {
    if (const auto* alt = dynamic_cast<const Exiv2::LangAltValue*>(&it->value())) value.value_ = alt->value_;
  }
  if (text.isEmpty())
    value.value_.erase("x-default");
  else
    value.value_["x-default"] = ToStd(text);
  Erase(data, key);
  if (!value.value_.empty()) data.add(Exiv2::XmpKey(key), &value);
}

void SetText(Exiv2::XmpData& data, const std::string& key, const QString& text) {
  if (text.isEmpty()) {
    Erase(data, key);
    return;
  }
  const Exiv2::XmpTextValue value(ToStd(text));
  const auto it = Find(data, key);
  if (it != data.end())
    it->setValue(&value);
  else
    data.add(Exiv2::XmpKey(key), &value);
}

void SetLocationShown(Exiv2::XmpData& data, const TKeys& k, const QString& text) {
  if (text.isEmpty()) {
    Erase(data, k.ShownSublocation(data));
    // The first location is ours alone when it has no other field and no
    // location follows it; then it goes, and the bag with it.
    if (!HasKeyStartingWith(data, k.ShownFirst + "/") && !HasKeyStartingWith(data, k.Shown + "[2]")) {
      Erase(data, k.ShownFirst);
      Erase(data, k.Shown);
    }
    return;
  }
  if (Find(data, k.Shown) == data.end()) {
    Exiv2::XmpTextValue bag;
    bag.setXmpArrayType(Exiv2::XmpValue::xaBag);
    data.add(Exiv2::XmpKey(k.Shown), &bag);
  }
  if (Find(data, k.ShownFirst) == data.end()) {
    Exiv2::XmpTextValue item;
    item.setXmpStruct();
    data.add(Exiv2::XmpKey(k.ShownFirst), &item);
  }
  SetText(data, k.ShownSublocation(data), text);
}

void SetPersons(Exiv2::XmpData& data, const std::string& key, const QStringList& persons) {
  Erase(data, key);
  if (persons.isEmpty()) return;
  Exiv2::XmpArrayValue bag(Exiv2::xmpBag);
  for (const QString& person : persons) bag.read(ToStd(person));
  data.add(Exiv2::XmpKey(key), &bag);
}

// One property as the comparison sees it.
struct TPropertyImage {
  std::string Key;
  std::string Type;
  std::string Value;
  friend auto operator<=>(const TPropertyImage&, const TPropertyImage&) = default;
};

std::vector<TPropertyImage> OtherProperties(const Exiv2::XmpData& data) {
  const TKeys& keys = TKeys::Get();
  std::vector<TPropertyImage> images;
  for (const Exiv2::Xmpdatum& d : data) {
    if (keys.IsAttribute(d.key())) continue;
    images.push_back({d.key(), d.typeName() ? d.typeName() : "", d.toString()});
  }
  std::sort(images.begin(), images.end());
  return images;
}

// What a packet says, seen by an XML reader of its own rather than through
// the library: the namespaces it declares, every element and attribute name
// (namespace and local name) and its rdf:about values.
struct TVocabulary {
  bool Read = false;
  QSet<QString> Namespaces;
  QSet<QString> Names;  // "namespace|local name"
  QSet<QString> Abouts;
};

const QString RdfUri = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");

TVocabulary Vocabulary(const QByteArray& packet) {
  TVocabulary v;
  // The names of RDF's own syntax, of the packet's wrapper and xml:lang vary
  // with the way a serializer writes the same properties.
  const auto add = [&v](QStringView uri, QStringView name) {
    if (uri.isEmpty() || uri == RdfUri || uri == QLatin1String("adobe:ns:meta/") ||
        uri == QLatin1String("http://www.w3.org/XML/1998/namespace"))
      return;
    v.Names.insert(uri.toString() + u'|' + name.toString());
  };
  QXmlStreamReader reader(packet);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    for (const QXmlStreamNamespaceDeclaration& d : reader.namespaceDeclarations())
      v.Namespaces.insert(d.namespaceUri().toString());
    add(reader.namespaceUri(), reader.name());
    for (const QXmlStreamAttribute& a : reader.attributes()) {
      add(a.namespaceUri(), a.name());
      if (a.namespaceUri() == RdfUri && a.name() == QLatin1String("about")) v.Abouts.insert(a.value().toString());
    }
  }
  v.Read = !reader.hasError();
  return v;
}

// The names of the attribute properties (and of the sublocation field).
bool IsAttributeName(const QString& name) {
  static const QSet<QString> names = {
      QStringLiteral("http://purl.org/dc/elements/1.1/|title"),
      QStringLiteral("http://purl.org/dc/elements/1.1/|description"),
      QString::fromLatin1(CoreUri) + QStringLiteral("|Location"),
      QString::fromLatin1(ExtUri) + QStringLiteral("|LocationShown"),
      QString::fromLatin1(ExtUri) + QStringLiteral("|Sublocation"),
      QString::fromLatin1(ExtUri) + QStringLiteral("|PersonInImage"),
      QString::fromLatin1(PhotoshopUri) + QStringLiteral("|DateCreated"),
  };
  static const QString own = QString::fromLatin1(ZelvaneUri) + u'|';
  return names.contains(name) || name.startsWith(own);
}

// The library turns every namespace that does not end in "/" or "#" into
// one that does (http://ns.microsoft.com/photo/1.0 becomes .../1.0/), which
// would move the packet's properties out of the namespace their readers
// look in; and it writes every description with an empty rdf:about. The
// new packet gets the old packet's namespaces and rdf:about back.
QByteArray Restore(const QByteArray& packet, const QByteArray& original) {
  const TVocabulary old = Vocabulary(original);
  if (!old.Read) return packet;
  QString text = QString::fromUtf8(packet);
  for (const QString& uri : old.Namespaces) {
    if (uri.isEmpty() || uri.endsWith(u'/') || uri.endsWith(u'#') || old.Namespaces.contains(uri + u'/')) continue;
    const QRegularExpression declaration(
        QStringLiteral("(xmlns:[\\w.-]+=\")%1/\"").arg(QRegularExpression::escape(uri.toHtmlEscaped())));
    text.replace(declaration, QStringLiteral("\\1%1\"").arg(uri.toHtmlEscaped()));
  }
  QSet<QString> abouts = old.Abouts;
  abouts.remove(QString());
  if (abouts.size() == 1)
    text.replace(QStringLiteral("rdf:about=\"\""),
                 QStringLiteral("rdf:about=\"%1\"").arg(abouts.begin()->toHtmlEscaped()));
  return text.toUtf8();
}

// One element of a packet as the attribute reader keeps it: its name, its
// text, its xml:lang, its other attributes and its child elements.
struct TNode {
  QString Name;  // "namespace|local name"
  QString Text;
  QString Lang;
  std::vector<std::pair<QString, QString>> Attributes;  // name, value
  std::vector<TNode> Children;

  [[nodiscard]] const TNode* Child(const QString& name) const {
    for (const TNode& c : Children)
      if (c.Name == name) return &c;
    return nullptr;
  }
  [[nodiscard]] std::optional<QString> Attribute(const QString& name) const {
    for (const auto& [n, v] : Attributes)
      if (n == name) return v;
    return std::nullopt;
  }
};

QString NameOf(QStringView uri, QStringView local) { return uri.toString() + u'|' + local.toString(); }

const QString RdfDescription = RdfUri + QStringLiteral("|Description");
const QString RdfLi = RdfUri + QStringLiteral("|li");

// The element the reader stands on, with everything inside it.
TNode ReadNode(QXmlStreamReader& reader, int depth = 0) {
  TNode node;
  node.Name = NameOf(reader.namespaceUri(), reader.name());
  for (const QXmlStreamAttribute& a : reader.attributes()) {
    if (a.qualifiedName() == QLatin1String("xml:lang"))
      node.Lang = a.value().toString();
    else
      node.Attributes.emplace_back(NameOf(a.namespaceUri(), a.name()), a.value().toString());
  }
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      if (depth < 16)
        node.Children.push_back(ReadNode(reader, depth + 1));
      else
        reader.skipCurrentElement();
    } else if (token == QXmlStreamReader::Characters) {
      node.Text += reader.text();
    } else if (token == QXmlStreamReader::EndElement) {
      break;
    }
  }
  return node;
}

// The items of a property's rdf:Alt, rdf:Bag or rdf:Seq.
std::vector<const TNode*> Items(const TNode& property) {
  std::vector<const TNode*> items;
  for (const TNode& container : property.Children)
    if (container.Name.startsWith(RdfUri))
      for (const TNode& item : container.Children)
        if (item.Name == RdfLi) items.push_back(&item);
  return items;
}

// A simple property's text; of a language alternative its x-default (else
// first) item's.
QString ValueOf(const TNode& property) {
  const std::vector<const TNode*> items = Items(property);
  if (items.empty()) return property.Text;
  for (const TNode* item : items)
    if (item->Lang == QLatin1String("x-default")) return item->Text;
  return items.front()->Text;
}

// A field of a structure: an attribute or a child of the item itself or of
// the rdf:Description inside it.
std::optional<QString> FieldOf(const TNode& item, const QString& name) {
  for (const TNode* node : {&item, item.Child(RdfDescription)}) {
    if (!node) continue;
    if (const auto value = node->Attribute(name)) return value;
    if (const TNode* child = node->Child(name)) return ValueOf(*child);
  }
  return std::nullopt;
}

// The attributes of a packet as an XML reader of our own reads them, in any
// of the forms RDF allows (attributes or elements, one rdf:Description or
// several). This needs no lock and no parse by the library, so listing a
// folder reads photos on every worker at once; only the attribute
// properties are kept, the others skipped. wellFormed: the packet is XML.
TXmpAttributes ReadAttributesOf(const QByteArray& packet, bool& wellFormed, QMap<QString, QString>& own) {
  static const QString zelvane = QString::fromLatin1(ZelvaneUri);
  static const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
  static const QString core = QString::fromLatin1(CoreUri), ext = QString::fromLatin1(ExtUri);
  static const QString photoshop = QString::fromLatin1(PhotoshopUri);
  static const QString sublocation = ext + QStringLiteral("|Sublocation");
  enum TWhich { None, Title, Description, Location, Shown, Persons, Date };
  const auto which = [](QStringView uri, QStringView name) {
    if (uri == dc) return name == u"title" ? Title : name == u"description" ? Description : None;
    if (uri == core) return name == u"Location" ? Location : None;
    if (uri == ext) return name == u"LocationShown" ? Shown : name == u"PersonInImage" ? Persons : None;
    if (uri == photoshop) return name == u"DateCreated" ? Date : None;
    return None;
  };

  TXmpAttributes a;
  const auto simple = [&a](TWhich w, const QString& value) {
    std::optional<QString>* field = w == Title         ? &a.Title
                                    : w == Description ? &a.Description
                                    : w == Location    ? &a.Location
                                    : w == Date        ? &a.DateCreated
                                                       : nullptr;
    if (field && !*field) *field = value;
  };
  QXmlStreamReader reader(packet);
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::EndElement && reader.namespaceUri() == RdfUri && reader.name() == u"RDF") break;
    if (token != QXmlStreamReader::StartElement || reader.namespaceUri() != RdfUri || reader.name() != u"Description")
      continue;
    // Simple properties written as attributes of the description.
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
      if (attribute.namespaceUri() == zelvane && !own.contains(attribute.name().toString()))
        own.insert(attribute.name().toString(), attribute.value().toString());
      simple(which(attribute.namespaceUri(), attribute.name()), attribute.value().toString());
    }
    // The properties inside it; nested descriptions (structures) go with them.
    while (reader.readNextStartElement()) {
      if (reader.namespaceUri() == zelvane) {
        const QString name = reader.name().toString();
        const TNode property = ReadNode(reader);
        if (!own.contains(name)) own.insert(name, ValueOf(property));
        continue;
      }
      const TWhich w = which(reader.namespaceUri(), reader.name());
      if (w == None) {
        reader.skipCurrentElement();
        continue;
      }
      const TNode property = ReadNode(reader);
      if (w == Persons) {
        if (a.Persons) continue;
        QStringList list;
        for (const TNode* item : Items(property)) list.append(item->Text);
        if (list.isEmpty() && !property.Text.trimmed().isEmpty()) list.append(property.Text);
        a.Persons = list;
      } else if (w == Shown) {
        const std::vector<const TNode*> items = Items(property);
        if (!a.LocationShown && !items.empty()) a.LocationShown = FieldOf(*items.front(), sublocation);
      } else {
        simple(w, ValueOf(property));
      }
    }
  }
  wellFormed = !reader.hasError();
  if (!wellFormed) {
    own.clear();
    return {};
  }
  return a;
}

void WriteOwnItems(Exiv2::XmpData& data, const QMap<QString, QString>& items) {
  const TKeys& k = TKeys::Get();
  for (auto it = data.begin(); it != data.end();) {
    if (k.IsOwn(it->key()))
      it = data.erase(it);
    else
      ++it;
  }
  for (auto it = items.begin(); it != items.end(); ++it) SetText(data, k.Own + ToStd(it.key()), it.value());
}

void WriteAttributes(Exiv2::XmpData& data, const TStandardValues& values) {
  const TKeys& k = TKeys::Get();
  SetAltText(data, k.Title, values.Title);
  SetAltText(data, k.Description, values.Description);
  SetText(data, k.Location, values.Location);
  SetLocationShown(data, k, values.Location);
  SetPersons(data, k.Persons, values.Persons);
  SetText(data, k.DateCreated, DateTimeUtil::ToIsoText(values.Date));
}

// A packet decoded with the library's namespaces as they are at start. The
// library binds a prefix to whatever namespace a packet declares for it, for
// the rest of the process (a packet saying xmlns:dc="..." of another URI
// would send every later title there), so every use of a packet decodes it
// afresh after undoing what earlier packets registered; callers hold the
// library's lock.
bool Decode(const QByteArray& packet, Exiv2::XmpData& data) {
  MetadataLibrary::ResetXmpNamespaces();
  data.clear();
  if (packet.isEmpty()) return true;
  if (Exiv2::XmpParser::decode(data, packet.toStdString()) == 0) return true;
  data.clear();
  return false;
}

// Every attribute with a value stands under its own namespace's URI in the
// new packet (not under a namespace a packet bound one of our prefixes to).
bool AttributesInPlace(const QByteArray& packet, const TStandardValues& values) {
  const TVocabulary v = Vocabulary(packet);
  const auto has = [&v](const char* uri, const char* name) {
    return v.Names.contains(QString::fromLatin1(uri) + u'|' + QLatin1String(name));
  };
  const char* const dc = "http://purl.org/dc/elements/1.1/";
  return v.Read && (values.Title.isEmpty() || has(dc, "title")) &&
         (values.Description.isEmpty() || has(dc, "description")) &&
         (values.Location.isEmpty() || (has(CoreUri, "Location") && has(ExtUri, "Sublocation"))) &&
         (values.Persons.isEmpty() || has(ExtUri, "PersonInImage")) &&
         (values.Date == 0 || has(PhotoshopUri, "DateCreated"));
}

}  // namespace

TXmpPacket::TXmpPacket(TPlace place) : FPlace(place) {}
TXmpPacket::~TXmpPacket() = default;

qsizetype TXmpPacket::MaxLength() const {
  return FPlace == TPlace::Sidecar ? MaxSidecarLength : TJpegSegments::MaxXmpLength;
}

TXmpPacket::TStatus TXmpPacket::Load(const QByteArray& packet) {
  FPacket.clear();
  FAttributes = {};
  FOwn.clear();
  FValues.reset();
  FNewOwn.reset();
  if (packet.isEmpty()) return FStatus = Empty;
  if (packet.size() > (FPlace == TPlace::Sidecar ? MaxSidecarLength : TJpegSegments::MaxXmpLength * 2))
    return FStatus = Damaged;
  bool wellFormed = false;
  FAttributes = ReadAttributesOf(packet, wellFormed, FOwn);
  if (!wellFormed) return FStatus = Damaged;
  FPacket = packet;
  return FStatus = Loaded;
}

bool TXmpPacket::MayHoldAttributes(const QByteArray& packet) {
  // The local names as an element or attribute ("<p:Location>",
  // "p:Location="), whatever prefix a packet gives their namespaces.
  for (const char* name :
       {":title", ":description", ":Location", ":LocationShown", ":Sublocation", ":PersonInImage", ":DateCreated"}) {
    const qsizetype length = qsizetype(std::strlen(name));
    for (qsizetype at = packet.indexOf(name); at >= 0; at = packet.indexOf(name, at + 1)) {
      const qsizetype after = at + length;
      if (after < packet.size() && std::strchr(" \t\r\n>=/", packet[after])) return true;
    }
  }
  return false;
}

bool TXmpPacket::SetAttributes(const TStandardValues& values) {
  if (FStatus == Damaged) return false;
  FValues = values;
  return true;
}

bool TXmpPacket::SetOwnItems(const QMap<QString, QString>& items) {
  if (FStatus == Damaged) return false;
  FNewOwn = items;
  return true;
}

TXmpPacket::TSaveResult TXmpPacket::Save(QByteArray& result) const {
  result.clear();
  if (FStatus == Damaged) return Failed;
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    Exiv2::XmpData data;
    if (!Decode(FPacket, data)) return Unreadable;
    if (FValues) WriteAttributes(data, *FValues);
    if (FNewOwn) WriteOwnItems(data, *FNewOwn);
    if (data.empty()) return Saved;  // nothing left: no packet
    // Indented with the usual padding for editing in place when it fits,
    // else as small as the serializer makes it.
    for (const uint16_t flags : {uint16_t(Exiv2::XmpParser::useCompactFormat),
                                 uint16_t(Exiv2::XmpParser::useCompactFormat | Exiv2::XmpParser::omitAllFormatting)}) {
      std::string packet;
      if (Exiv2::XmpParser::encode(packet, data, flags) != 0 || packet.empty()) return Failed;
      const QByteArray restored = Restore(QByteArray(packet.data(), qsizetype(packet.size())), FPacket);
      if (FValues && !AttributesInPlace(restored, *FValues)) return Failed;
      if (restored.size() <= MaxLength()) {
        result = restored;
        return Saved;
      }
    }
    return TooLarge;
  } catch (const std::exception& e) {
    qCDebug(lcXmp) << "cannot write XMP packet:" << e.what();
  } catch (...) {
  }
  return Failed;
}

bool TXmpPacket::SameOtherProperties(const TXmpPacket& before, const TXmpPacket& after, QString* difference) {
  const auto differ = [&](const QString& what) {
    if (difference) *difference = what;
    return false;
  };
  if (before.FStatus == Damaged) return differ(QStringLiteral("the old packet cannot be read"));
  if (after.FStatus == Damaged) return differ(QStringLiteral("the new packet cannot be read"));
  // Seen by an XML reader: no name, namespace or rdf:about of the old
  // packet is missing from the new one.
  if (before.FStatus == Loaded) {
    const TVocabulary old = Vocabulary(before.FPacket), now = Vocabulary(after.FPacket);
    if (!old.Read || !now.Read) return differ(QStringLiteral("a packet is not well-formed XML"));
    for (const QString& name : old.Names)
      if (!IsAttributeName(name) && !now.Names.contains(name)) return differ(name);
    if (old.Abouts - QSet<QString>{QString()} != now.Abouts - QSet<QString>{QString()})
      return differ(QStringLiteral("rdf:about"));
  }
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    Exiv2::XmpData oldData, newData;
    if (!Decode(before.FPacket, oldData)) return differ(QStringLiteral("the old packet cannot be read"));
    const std::vector<TPropertyImage> old = OtherProperties(oldData);
    if (!Decode(after.FPacket, newData)) return differ(QStringLiteral("the new packet cannot be read"));
    const std::vector<TPropertyImage> now = OtherProperties(newData);
    if (old == now) return true;
    const auto mismatch = std::mismatch(old.begin(), old.end(), now.begin(), now.end());
    const TPropertyImage& first = mismatch.first != old.end() ? *mismatch.first : *mismatch.second;
    return differ(FromStd(first.Key));
  } catch (const std::exception& e) {
    return differ(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    return differ(QStringLiteral("the metadata library failed"));
  }
}

TDateTime TXmpPacket::ParseDate(const QString& text) {
  // Also the EXIF form ("2004:07:15 14:03:22") that some programs put here.
  static const QRegularExpression pattern(QStringLiteral(
      "^\\s*(\\d{4})(?:[-:](\\d{2})(?:[-:](\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:[.,]\\d+)?)?)?)?)?"
      "\\s*(?:Z|[+-]\\d{2}(?::?\\d{2})?)?\\s*$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch()) return 0;
  const auto field = [&](int i, int absent) { return m.capturedLength(i) ? m.captured(i).toInt() : absent; };
  TDateTime value = 0;
  // A month or day of 0 ("2004-00-00") stands for an unknown one.
  const int month = std::max(1, field(2, 1)), day = std::max(1, field(3, 1));
  if (!DateTimeUtil::TryEncode(field(1, 0), month, day, field(4, 0), field(5, 0), field(6, 0), 0, value)) return 0;
  return value;
}

#pragma GCC diagnostic pop
