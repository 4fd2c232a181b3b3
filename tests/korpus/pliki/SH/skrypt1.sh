#!/bin/sh
echo "Rozpoznik"
