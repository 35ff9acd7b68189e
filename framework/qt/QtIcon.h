#pragma once

#include <QIcon>
#include <QImage>

struct IconGroup;
struct ImageResource;

// A palette image as a Qt image: transparent where its mask says so.
QImage ImageFromResource(const ImageResource& image);
// Every size of an icon group in one icon; a null icon for an empty group.
QIcon IconFromGroup(const IconGroup& group);
