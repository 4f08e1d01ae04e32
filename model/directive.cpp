#include "model/directive.h"

Directive::Directive(QObject *parent) : QObject(parent) {}
