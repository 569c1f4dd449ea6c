#include "tools/catalogs/catalog.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <set>

#include "tools/catalogs/pseudo_text.h"

namespace lintra::catalogs {
namespace {

std::string Text(QXmlStreamReader& xml) {
  return xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
}

void ReadTranslation(QXmlStreamReader& xml, CatalogMessage& message) {
  message.type = xml.attributes().value(QStringLiteral("type")).toString().toStdString();
  if (!message.numerus) {
    message.translations.push_back(Text(xml));
    return;
  }
  while (xml.readNextStartElement()) {
    if (xml.name() == QStringLiteral("numerusform")) {
      message.translations.push_back(Text(xml));
    } else {
      xml.skipCurrentElement();
    }
  }
}

CatalogMessage ReadMessage(QXmlStreamReader& xml, const std::string& context) {
  CatalogMessage message;
  message.context = context;
  message.numerus = xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
  while (xml.readNextStartElement()) {
    if (xml.name() == QStringLiteral("source")) {
      message.source = Text(xml);
    } else if (xml.name() == QStringLiteral("comment")) {
      message.comment = Text(xml);
    } else if (xml.name() == QStringLiteral("translation")) {
      ReadTranslation(xml, message);
    } else {
      xml.skipCurrentElement();
    }
  }
  return message;
}

// "%1" to "%99", in the order of their numbers; "%n" is left to the plural forms.
std::multiset<int> PlaceMarkers(const std::string& text) {
  std::multiset<int> markers;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%') continue;
    std::size_t at = i + 1;
    if (text[at] == 'L' && at + 1 < text.size()) ++at;
    int number = 0;
    std::size_t digits = 0;
    while (at < text.size() && digits < 2 && text[at] >= '0' && text[at] <= '9') {
      number = number * 10 + (text[at++] - '0');
      ++digits;
    }
    if (digits > 0) markers.insert(number);
  }
  return markers;
}

std::string Describe(const CatalogMessage& message) {
  std::string text = message.context + ": \"" + message.source + "\"";
  if (!message.comment.empty()) text += " (" + message.comment + ")";
  return text;
}

}  // namespace

std::optional<Catalog> ReadCatalog(const std::string& text, std::string& error) {
  QXmlStreamReader xml(QByteArray::fromStdString(text));
  Catalog catalog;
  if (!xml.readNextStartElement() || xml.name() != QStringLiteral("TS")) {
    error = xml.hasError() ? xml.errorString().toStdString() : "no <TS> element";
    return std::nullopt;
  }
  catalog.language = xml.attributes().value(QStringLiteral("language")).toString().toStdString();
  while (xml.readNextStartElement()) {
    if (xml.name() != QStringLiteral("context")) {
      xml.skipCurrentElement();
      continue;
    }
    std::string context;
    while (xml.readNextStartElement()) {
      if (xml.name() == QStringLiteral("name")) {
        context = Text(xml);
      } else if (xml.name() == QStringLiteral("message")) {
        catalog.messages.push_back(ReadMessage(xml, context));
      } else {
        xml.skipCurrentElement();
      }
    }
  }
  if (xml.hasError()) {
    error = "line " + std::to_string(xml.lineNumber()) + ": " + xml.errorString().toStdString();
    return std::nullopt;
  }
  return catalog;
}

std::string WriteCatalog(const Catalog& catalog) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
  xml.writeStartElement(QStringLiteral("TS"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
  xml.writeAttribute(QStringLiteral("language"), QString::fromStdString(catalog.language));
  xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
  const std::string* open = nullptr;
  for (const auto& message : catalog.messages) {
    if (!open || *open != message.context) {
      if (open) xml.writeEndElement();
      xml.writeStartElement(QStringLiteral("context"));
      xml.writeTextElement(QStringLiteral("name"), QString::fromStdString(message.context));
      open = &message.context;
    }
    xml.writeStartElement(QStringLiteral("message"));
    if (message.numerus) xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
    xml.writeTextElement(QStringLiteral("source"), QString::fromStdString(message.source));
    if (!message.comment.empty())
      xml.writeTextElement(QStringLiteral("comment"), QString::fromStdString(message.comment));
    xml.writeStartElement(QStringLiteral("translation"));
    if (!message.type.empty()) xml.writeAttribute(QStringLiteral("type"), QString::fromStdString(message.type));
    if (message.numerus) {
      for (const auto& form : message.translations) {
        xml.writeTextElement(QStringLiteral("numerusform"), QString::fromStdString(form));
      }
    } else if (!message.translations.empty()) {
      xml.writeCharacters(QString::fromStdString(message.translations.front()));
    }
    xml.writeEndElement();
    xml.writeEndElement();
  }
  if (open) xml.writeEndElement();
  xml.writeEndDocument();
  return bytes.toStdString();
}

std::vector<std::string> CatalogProblems(const Catalog& catalog) {
  std::vector<std::string> problems;
  for (const auto& message : catalog.messages) {
    if (message.type == "unfinished") {
      problems.push_back("not translated: " + Describe(message));
      continue;
    }
    if (message.type == "vanished" || message.type == "obsolete") {
      problems.push_back("no longer in the program: " + Describe(message));
      continue;
    }
    if (message.translations.empty()) problems.push_back("empty translation: " + Describe(message));
    for (const auto& translation : message.translations) {
      if (translation.empty()) {
        problems.push_back("empty translation: " + Describe(message));
      } else if (PlaceMarkers(translation) != PlaceMarkers(message.source)) {
        problems.push_back("place markers differ: " + Describe(message) + " -> \"" + translation + "\"");
      }
    }
  }
  return problems;
}

Catalog PseudoCatalog(const Catalog& extracted) {
  // The English plural rules (one form and another): the pseudo-translation counts as English does.
  Catalog pseudo{"en", {}};
  for (const auto& message : extracted.messages) {
    if (message.type == "vanished" || message.type == "obsolete") continue;
    CatalogMessage translated = message;
    translated.type.clear();
    translated.translations.assign(message.numerus ? 2 : 1, PseudoText(message.source));
    pseudo.messages.push_back(std::move(translated));
  }
  return pseudo;
}

}  // namespace lintra::catalogs
